#include "core/Texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr int German = mv::LanguageGerman;
constexpr int English = mv::LanguageEnglish;

class TextTableTest : public testing::Test {
protected:
    void SetUp() override { texts.Fill("/opt/morvellan"); }

    mv::TextTable texts;
};

TEST_F(TextTableTest, MonthsAndWeekdaysSitAtTheirNumbers)
{
    EXPECT_EQ(texts(1, German), "Januar");
    EXPECT_EQ(texts(1, English), "January");
    EXPECT_EQ(texts(3, German), "März");
    EXPECT_EQ(texts(12, German), "Dezember");
    EXPECT_EQ(texts(12, English), "December");
    EXPECT_EQ(texts(13, German), "Mo");
    EXPECT_EQ(texts(14, English), "Tu");
    EXPECT_EQ(texts(19, German), "So");
    EXPECT_EQ(texts(19, English), "Su");
}

TEST_F(TextTableTest, ModesActionsAndStatesSitAtTheirNumbers)
{
    const std::string german[] = {"Löschen", "Urlaub", "Krank", "Zeitausgleich", "Dienstreise", "Sonstiges"};
    const std::string english[] = {"Delete", "Vacation", "Diseased", "Overtime offset", "Business trip",
                                   "Miscellaneous"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(texts(21 + i, German), german[i]);
        EXPECT_EQ(texts(21 + i, English), english[i]);
    }
    const std::string actionsGerman[] = {"genehmigen", "anfragen", "ablehnen", "genehmigt", "angefragt", "abgelehnt"};
    const std::string actionsEnglish[] = {"approve", "enquire", "decline", "approved", "enquired", "declined"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(texts(35 + i, German), actionsGerman[i]);
        EXPECT_EQ(texts(35 + i, English), actionsEnglish[i]);
    }
    EXPECT_EQ(texts(28, German), "Benutzername / Kennung");
    EXPECT_EQ(texts(30, English), "Team");
}

TEST_F(TextTableTest, EntriesNextToGapsAreNotShifted)
{
    EXPECT_EQ(texts(133, German), "Sonstige Tage");
    EXPECT_EQ(texts(136, German), "Benutzername / Kennung\roder Passwort falsch!");
    EXPECT_EQ(texts(136, English), "Wrong username / ID or password!");
    EXPECT_EQ(texts(148, English), "Maximum amount of teams exceeded!\rIt's not possible to add more groups!");
    EXPECT_EQ(texts(151, German), "Programm");
    EXPECT_EQ(texts(186, German), "Informationen über Dienstreisetage des MA im aktuellen Monat");
}

TEST_F(TextTableTest, TyposOfTheProgramAreKept)
{
    EXPECT_EQ(texts(50, German), "Möchten Sie für den ausgewählten Zeitraum\reine Notitz hinterlegen?");
    EXPECT_EQ(texts(89, German), "Wichtiger Hnweis");
    EXPECT_EQ(texts(89, English), "Important notice");
    EXPECT_EQ(texts(124, English), "Existing teams alltogether: ");
    EXPECT_EQ(texts(177, English), "Informations about miscelleanous days of selected employee in current month");
    EXPECT_EQ(texts(185, English), "Informations about overtime offset days of selected employee iin current month");
    EXPECT_EQ(texts(186, English), "Informations about business trip days of selected employee in current month");
}

TEST_F(TextTableTest, LineBreaksAreSingleCarriageReturns)
{
    EXPECT_EQ(texts(50, English), "Do you want to deposit a note for\rthe selected period?");
    EXPECT_EQ(texts(88, German),
              "\rist im gewählten Zeitraum nicht anwesend!\rKalendereintragungen trotzdem durchführen?");
    EXPECT_EQ(texts(88, English), "\ris not present within the selected time range\rExecute calendar recordings anyway?");
    EXPECT_EQ(texts(101, German),
              "Im gewählten Zeitraum sind zuviele\rMitarbeiter nicht anwesend!\rKalendereintragungen trotzdem "
              "durchführen?");
    EXPECT_EQ(texts(101, English),
              "There are too much employees absent\rwithin the selected time range!\rExecute calendar recordings "
              "anyway?");
    for (int id = 1; id <= mv::TextCount; ++id) {
        for (int language : {German, English}) {
            EXPECT_EQ(texts(id, language).find('\n'), std::string::npos) << "text " << id;
        }
    }
}

TEST_F(TextTableTest, BlanksAtTheEndsBelongToTheTexts)
{
    EXPECT_EQ(texts(84, German), " Einträge gefunden");
    EXPECT_EQ(texts(84, English), " entries found");
    EXPECT_EQ(texts(87, German), "Der abhängige Mitarbeiter ");
    EXPECT_EQ(texts(87, English), "The dependent employee");
    EXPECT_EQ(texts(122, German), "Drucke Seite ");
    EXPECT_EQ(texts(125, German), "Gesamtanzahl Notizen: ");
    EXPECT_EQ(texts(126, English), "Total number of employees: ");
    EXPECT_EQ(texts(127, German), "Ferien/Feiertage insgesamt: ");
}

TEST_F(TextTableTest, LocalDatabaseNoticeEndsWithThePathInTheProgramFolder)
{
    EXPECT_EQ(texts(149, German),
              "Pfad zur Datenbank wurde nicht gefunden!\rVerwende lokale Datenbank:\r/opt/morvellan/Morvellan.mdb");
    EXPECT_EQ(texts(149, English), "Cannot find database path!\rUse local file:\r/opt/morvellan/Morvellan.mdb");
}

TEST_F(TextTableTest, FolderWithTrailingSeparatorGivesOneSeparator)
{
    texts.Fill("/opt/morvellan/");
    EXPECT_EQ(texts(149, English), "Cannot find database path!\rUse local file:\r/opt/morvellan/Morvellan.mdb");
}

TEST_F(TextTableTest, FillingAgainReplacesTheFolder)
{
    texts.Fill("/srv/other");
    EXPECT_EQ(texts(149, English), "Cannot find database path!\rUse local file:\r/srv/other/Morvellan.mdb");
}

TEST_F(TextTableTest, OnlyTheNumbersWithoutEntryAreEmpty)
{
    std::set<int> empty = {20, 27, 134, 135, 150};
    for (int id = 187; id <= 200; ++id) {
        empty.insert(id);
    }
    for (int id = 1; id <= mv::TextCount; ++id) {
        for (int language : {German, English}) {
            EXPECT_EQ(texts(id, language).empty(), empty.count(id) == 1) << "text " << id << " language " << language;
        }
    }
}

TEST_F(TextTableTest, LookupsOutOfRangeGiveTheEmptyText)
{
    EXPECT_EQ(texts(0, German), "");
    EXPECT_EQ(texts(-5, English), "");
    EXPECT_EQ(texts(201, German), "");
    EXPECT_EQ(texts(1, 0), "");
    EXPECT_EQ(texts(1, 3), "");
}

} // namespace
