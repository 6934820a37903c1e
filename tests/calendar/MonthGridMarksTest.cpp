// Day marks and entries of the month grid: weekends and holidays by the settings, holiday notes,
// entry letters by language, state colours by group, note numbers and the month query.
#include <gtest/gtest.h>

#include <string>

#include "calendar/frmKalender.h"
#include "support/TestApp.h"

namespace {

constexpr forms::Color Weekend = 0xC0C0C0;
constexpr forms::Color Holiday = 0x80FF80;

// December 2026: the 1st is a Tuesday; 5/6, 12/13, 19/20 and 26/27 are weekends.
class MonthGridMarks : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddTeam(1, "Vertrieb");
    app.AddEmployee(7, "Albers", "Anna", 0);
    app.AddEmployee(8, "Berg", "Bert", 0);
    app.AddEmployee(9, "Kunz", "Carla", 1);
  }

  mv::frmKalender& Open(int group = 1, bool weekend = true, bool holidays = true, int language = 1,
                        long persNr = 7) {
    app.OpenProgram(language);
    auto& settings = app.s().Settings;
    settings.HighlightWeekend = weekend ? -1 : 0;
    settings.HighlightHolidays = holidays ? -1 : 0;
    settings.WeekendColor = Weekend;
    settings.HolidayColor = Holiday;
    return app.EnterAs(persNr, group);
  }

  static forms::PictureCell Cell(mv::frmKalender& k, int row, int col) { return k.grdCal.Picture().Cell(row, col); }

  mvtest::TestApp app;
};

TEST_F(MonthGridMarks, WeekendsAreMarkedWhenTheSettingIsOn) {
  auto& k = Open();
  EXPECT_EQ(k.grdCal.TextMatrix(2, 5), "Sa");
  EXPECT_TRUE(Cell(k, 2, 5).Font.Bold);
  EXPECT_EQ(Cell(k, 2, 5).ForeColor, forms::vbBlack);
  EXPECT_TRUE(Cell(k, 2, 6).Font.Bold);
  EXPECT_EQ(Cell(k, 2, 6).ForeColor, forms::vbRed);
  EXPECT_FALSE(Cell(k, 2, 7).Font.Bold);
  for (int r = 4; r <= 5; ++r) {
    EXPECT_EQ(Cell(k, r, 5).BackColor, Weekend);
    EXPECT_EQ(Cell(k, r, 6).BackColor, Weekend);
    EXPECT_EQ(Cell(k, r, 7).BackColor, forms::vbWhite);
  }
}

TEST_F(MonthGridMarks, WeekendsStayPlainWhenTheSettingIsOff) {
  auto& k = Open(1, false, false);
  EXPECT_EQ(k.grdCal.TextMatrix(2, 6), "So");
  EXPECT_EQ(k.grdCal.TextMatrix(2, 1), "Di");
  EXPECT_FALSE(Cell(k, 2, 6).Font.Bold);
  EXPECT_EQ(Cell(k, 2, 6).ForeColor, forms::vbBlack);
  EXPECT_EQ(Cell(k, 4, 6).BackColor, forms::vbWhite);
}

TEST_F(MonthGridMarks, WeekdayNamesFollowTheLanguage) {
  auto& k = Open(1, true, true, 2);
  EXPECT_EQ(k.grdCal.TextMatrix(2, 1), "Tu");
  EXPECT_EQ(k.grdCal.TextMatrix(2, 6), "Su");
  EXPECT_EQ(k.grdCal.TextMatrix(1, 1), "December");
}

TEST_F(MonthGridMarks, HolidaysAreMarkedWithTheirNotes) {
  const long note = app.AddNote("Weihnachten");
  app.AddHoliday(db::Date(2026, 12, 24), note);
  app.AddHoliday(db::Date(2026, 12, 26), 0);
  auto& k = Open();
  auto& notes = app.s().CellNotes;

  EXPECT_EQ(notes[2][24], note);
  EXPECT_EQ(notes[3][24], note);
  EXPECT_EQ(Cell(k, 2, 24).ForeColor, Holiday);
  EXPECT_EQ(Cell(k, 4, 24).BackColor, Holiday);
  EXPECT_EQ(Cell(k, 5, 24).BackColor, Holiday);
  EXPECT_EQ(notes[2][23], 0);
  EXPECT_EQ(Cell(k, 4, 23).BackColor, forms::vbWhite);

  // A Saturday holiday: bold weekday name in the holiday colour over holiday-coloured cells.
  EXPECT_TRUE(Cell(k, 2, 26).Font.Bold);
  EXPECT_EQ(Cell(k, 2, 26).ForeColor, Holiday);
  EXPECT_EQ(Cell(k, 4, 26).BackColor, Holiday);
  EXPECT_EQ(Cell(k, 4, 27).BackColor, Weekend);
}

TEST_F(MonthGridMarks, HolidaysStayUnmarkedWhenTheSettingIsOff) {
  app.AddHoliday(db::Date(2026, 12, 24), app.AddNote("Weihnachten"));
  auto& k = Open(1, true, false);
  EXPECT_EQ(app.s().CellNotes[2][24], 0);
  EXPECT_EQ(app.s().CellNotes[3][24], 0);
  EXPECT_EQ(Cell(k, 2, 24).ForeColor, forms::vbBlack);
  EXPECT_EQ(Cell(k, 4, 24).BackColor, forms::vbWhite);
}

TEST_F(MonthGridMarks, ADayWithTwoHolidayRowsIsNotMarked) {
  const long note = app.AddNote("doppelt");
  app.AddHoliday(db::Date(2026, 12, 24), note);
  app.AddHoliday(db::Date(2026, 12, 24), note);
  auto& k = Open();
  EXPECT_EQ(app.s().CellNotes[2][24], 0);
  EXPECT_EQ(Cell(k, 4, 24).BackColor, forms::vbWhite);
  EXPECT_EQ(Cell(k, 2, 24).ForeColor, forms::vbBlack);
  EXPECT_EQ(Cell(k, 3, 24).ForeColor, forms::vbBlack);
}

TEST_F(MonthGridMarks, HolidayMarksMoveWithTheMonth) {
  app.AddHoliday(db::Date(2026, 11, 3), app.AddNote("Herbst"));
  auto& k = Open();
  EXPECT_EQ(Cell(k, 4, 3).BackColor, forms::vbWhite);
  k.cmdMonBack.UserClick();
  EXPECT_EQ(Cell(k, 4, 3).BackColor, Holiday);
  EXPECT_NE(app.s().CellNotes[3][3], 0);
  k.cmdMonForward.UserClick();
  EXPECT_EQ(Cell(k, 4, 3).BackColor, forms::vbWhite);
  EXPECT_EQ(app.s().CellNotes[3][3], 0);
}

TEST_F(MonthGridMarks, EntriesShowTheirLetterAndStateColourInGerman) {
  const long note = app.AddNote("Hochzeit");
  app.AddEntry(7, db::Date(2026, 12, 1), "U?", note);
  app.AddEntry(7, db::Date(2026, 12, 2), "U/");
  app.AddEntry(7, db::Date(2026, 12, 3), "K!");
  app.AddEntry(8, db::Date(2026, 12, 8), "Z/");
  app.AddEntry(8, db::Date(2026, 12, 9), "D?");
  app.AddEntry(8, db::Date(2026, 12, 10), "S!");
  app.AddEntry(8, db::Date(2026, 11, 10), "S!");
  app.AddEntry(8, db::Date(2026, 12, 11), "Ö/");  // not the program's: shown as it stands
  auto& k = Open();
  const struct { int row, col; const char* text; forms::Color back; } expected[] = {
      {4, 1, "U", forms::vbYellow}, {4, 2, "U", forms::vbGreen}, {4, 3, "K", forms::vbRed},
      {5, 8, "Z", forms::vbGreen},  {5, 9, "D", forms::vbYellow}, {5, 10, "S", forms::vbRed},
      {5, 11, "Ö", forms::vbGreen},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(k.grdCal.TextMatrix(e.row, e.col), e.text) << e.row << "/" << e.col;
    EXPECT_EQ(Cell(k, e.row, e.col).BackColor, e.back) << e.row << "/" << e.col;
    EXPECT_EQ(Cell(k, e.row, e.col).Alignment, forms::flexAlignCenterCenter);
  }
  EXPECT_EQ(app.s().CellNotes[4][1], note);
  EXPECT_EQ(app.s().CellNotes[4][2], 0);
  EXPECT_EQ(k.grdCal.TextMatrix(5, 12), "");
}

TEST_F(MonthGridMarks, EntriesShowEnglishLetters) {
  app.AddEntry(7, db::Date(2026, 12, 1), "U?");
  app.AddEntry(7, db::Date(2026, 12, 2), "K!");
  app.AddEntry(7, db::Date(2026, 12, 3), "Z/");
  app.AddEntry(7, db::Date(2026, 12, 4), "D/");
  app.AddEntry(7, db::Date(2026, 12, 7), "S?");
  app.AddEntry(7, db::Date(2026, 12, 8), "X/");
  auto& k = Open(1, true, true, 2);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 1), "V");
  EXPECT_EQ(Cell(k, 4, 1).BackColor, forms::vbYellow);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 2), "D");
  EXPECT_EQ(Cell(k, 4, 2).BackColor, forms::vbRed);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 3), "O");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 4), "T");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 7), "M");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 8), "");
  EXPECT_EQ(Cell(k, 4, 8).BackColor, forms::vbGreen);
}

class MonthGridMarksByGroup : public MonthGridMarks, public ::testing::WithParamInterface<int> {};

TEST_P(MonthGridMarksByGroup, AdministratorsAndBackOfficeSeeStateColoursInEveryRow) {
  app.AddEntry(7, db::Date(2026, 12, 1), "U?");
  app.AddEntry(8, db::Date(2026, 12, 2), "U/");
  app.AddEntry(9, db::Date(2026, 12, 3), "K!");
  auto& k = Open(GetParam());
  EXPECT_EQ(Cell(k, 4, 1).BackColor, forms::vbYellow);
  EXPECT_EQ(Cell(k, 5, 2).BackColor, forms::vbGreen);
  k.cmbTeamAuswahl.UserSelect(1);
  EXPECT_EQ(Cell(k, 4, 3).BackColor, forms::vbRed);
}

INSTANTIATE_TEST_SUITE_P(Groups, MonthGridMarksByGroup, ::testing::Values(1, 2));

TEST_F(MonthGridMarks, EmployeesSeeStateColoursOnlyInTheirOwnRowOfTheirOwnTeam) {
  const long note = app.AddNote("Kur");
  app.AddEntry(7, db::Date(2026, 12, 1), "U?");
  app.AddEntry(8, db::Date(2026, 12, 2), "U/", note);
  app.AddEntry(8, db::Date(2026, 12, 5), "U/");
  app.AddEntry(9, db::Date(2026, 12, 3), "K!");
  auto& k = Open(3, true, true, 1, 8);
  ASSERT_EQ(app.s().OwnRow, 5);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 1), "U");
  EXPECT_EQ(Cell(k, 4, 1).BackColor, forms::vbWhite);
  EXPECT_EQ(Cell(k, 5, 2).BackColor, forms::vbGreen);
  EXPECT_EQ(Cell(k, 5, 5).BackColor, forms::vbGreen);
  EXPECT_EQ(app.s().CellNotes[5][2], note);

  k.cmbTeamAuswahl.UserSelect(1);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 3), "K");
  EXPECT_EQ(Cell(k, 4, 3).BackColor, forms::vbWhite);

  k.cmbTeamAuswahl.UserSelect(0);
  EXPECT_EQ(Cell(k, 5, 2).BackColor, forms::vbGreen);
}

TEST_F(MonthGridMarks, WithoutColourRightsAWeekendEntryKeepsTheWeekendColour) {
  const long note = app.AddNote("Messe");
  app.AddEntry(7, db::Date(2026, 12, 5), "D?", note);
  auto& k = Open(3, true, true, 1, 8);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 5), "D");
  EXPECT_EQ(Cell(k, 4, 5).BackColor, Weekend);
  EXPECT_EQ(app.s().CellNotes[4][5], note);
}

TEST_F(MonthGridMarks, RebuildsStartFromEmptyWhiteCells) {
  app.AddEntry(7, db::Date(2026, 12, 1), "U?");
  auto& k = Open();
  ASSERT_EQ(k.grdCal.TextMatrix(4, 1), "U");
  app.Sql("DELETE FROM tbl_Kalender");
  k.cmbMonat.UserSelect(11);
  k.cmdZoomDec.UserClick();
  EXPECT_EQ(k.grdCal.TextMatrix(4, 1), "");
  EXPECT_EQ(Cell(k, 4, 1).BackColor, forms::vbWhite);
}

TEST_F(MonthGridMarks, MonthQueryTextIsExactForTheLastMember) {
  Open();
  EXPECT_EQ(app.s().SqlMonth,
            "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ, tbl_Kalender.Notiz FROM tbl_Kalender "
            "WHERE (((tbl_Kalender.PersNr)= 8) AND ((Month([Datum]))= 12) AND ((Year([Datum]))= 2026));");
}

}  // namespace
