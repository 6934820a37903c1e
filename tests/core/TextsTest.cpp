#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "core/Texts.h"

namespace {

constexpr int German = mv::LanguageGerman;
constexpr int English = mv::LanguageEnglish;

class TextTableTest : public testing::Test {
 protected:
  void SetUp() override { texts.Fill("/opt/morvellan"); }

  mv::TextTable texts;
};

TEST_F(TextTableTest, EntriesStandLetterForLetterAtTheirNumbers) {
  struct Entry {
    int id;
    const char* german;
    const char* english;
  };
  // Group borders, neighbours of gaps, the program's own typos, blanks at the ends and line breaks.
  const Entry entries[] = {
      {1, "Januar", "January"},
      {3, "März", "March"},
      {19, "So", "Su"},
      {21, "Löschen", "Delete"},
      {30, "Gruppe", "Team"},
      {50, "Möchten Sie für den ausgewählten Zeitraum\reine Notitz hinterlegen?",
       "Do you want to deposit a note for\rthe selected period?"},
      {84, " Einträge gefunden", " entries found"},
      {87, "Der abhängige Mitarbeiter ", "The dependent employee"},
      {88,
       "\rist im gewählten Zeitraum nicht anwesend!\rKalendereintragungen trotzdem durchführen?",
       "\ris not present within the selected time range\rExecute calendar recordings anyway?"},
      {89, "Wichtiger Hnweis", "Important notice"},
      {101,
       "Im gewählten Zeitraum sind zuviele\rMitarbeiter nicht anwesend!\rKalendereintragungen "
       "trotzdem durchführen?",
       "There are too much employees absent\rwithin the selected time range!\rExecute calendar "
       "recordings anyway?"},
      {122, "Drucke Seite ", "Print page "},
      {124, "Bestehende Teams insgesamt: ", "Existing teams alltogether: "},
      {133, "Sonstige Tage", "Misc. days"},
      {148,
       "Die maximale Anzahl an Teams ist erreicht!\rEs können keine weiteren Teams hinzugefügt "
       "werden!",
       "Maximum amount of teams exceeded!\rIt's not possible to add more groups!"},
      {185, "Informationen zu Zeitausgleichstagen des MA im aktuellen Monat",
       "Informations about overtime offset days of selected employee iin current month"},
  };
  for (const Entry& e : entries) {
    EXPECT_EQ(texts(e.id, German), e.german) << "text " << e.id;
    EXPECT_EQ(texts(e.id, English), e.english) << "text " << e.id;
  }
}

TEST_F(TextTableTest, LocalDatabaseNoticeEndsWithThePathInTheProgramFolder) {
  EXPECT_EQ(texts(149, German),
            "Pfad zur Datenbank wurde nicht gefunden!\rVerwende lokale "
            "Datenbank:\r/opt/morvellan/Morvellan.mdb");
  EXPECT_EQ(texts(149, English),
            "Cannot find database path!\rUse local file:\r/opt/morvellan/Morvellan.mdb");
  // Filling again takes the new folder; a trailing separator gives no second one.
  texts.Fill("/srv/other/");
  EXPECT_EQ(texts(149, English),
            "Cannot find database path!\rUse local file:\r/srv/other/Morvellan.mdb");
}

TEST_F(TextTableTest, OnlyTheNumbersWithoutEntryAreEmptyAndNoTextHasALineFeed) {
  std::set<int> empty = {20, 27, 134, 135, 150};
  for (int id = 187; id <= 200; ++id) empty.insert(id);
  for (int id = 1; id <= mv::TextCount; ++id) {
    for (int language : {German, English}) {
      EXPECT_EQ(texts(id, language).empty(), empty.count(id) == 1)
          << "text " << id << " language " << language;
      EXPECT_EQ(texts(id, language).find('\n'), std::string::npos) << "text " << id;
    }
  }
  const std::pair<int, int> outOfRange[] = {
      {0, German}, {-5, English}, {201, German}, {1, 0}, {1, 3}};
  for (auto [id, language] : outOfRange)
    EXPECT_EQ(texts(id, language), "") << id << "/" << language;
}

}  // namespace
