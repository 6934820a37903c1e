#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "core/Texts.h"

namespace {

constexpr int German = mv::LanguageGerman;
constexpr int English = mv::LanguageEnglish;

// Text 149 ends with the local database of the program folder given last; a trailing separator
// gives no second one.
TEST(TextTable, TheLocalDatabaseNoticeEndsWithThePathInTheProgramFolder) {
  mv::TextTable texts;
  texts.Fill("/opt/morvellan");
  EXPECT_EQ(texts(149, German),
            "Pfad zur Datenbank wurde nicht gefunden!\rVerwende lokale "
            "Datenbank:\r/opt/morvellan/Morvellan.mdb");
  texts.Fill("/srv/other/");
  EXPECT_EQ(texts(149, English),
            "Cannot find database path!\rUse local file:\r/srv/other/Morvellan.mdb");
}

TEST(TextTable, OnlyTheNumbersWithoutEntryAreEmptyAndNoTextHasALineFeed) {
  mv::TextTable texts;
  texts.Fill("/opt/morvellan");
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
