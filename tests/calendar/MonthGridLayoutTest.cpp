// The month grid's layout and member rows: header rows, month lengths and hidden days, order of
// the members, team sizes, the user's own row and the member query.
#include <gtest/gtest.h>

#include <string>

#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"
#include "support/TestApp.h"

namespace {

class MonthGridLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddTeam(1, "Vertrieb");
    app.AddTeam(2, "Leer");
    app.AddEmployee(7, "Meier", "Anna", 0);
    app.AddEmployee(8, "Zander", "Bert", 0);
    app.AddEmployee(9, "Albers", "Carla", 0);
    app.AddEmployee(10, "Kunz", "Dora", 1);
  }

  mv::frmKalender& OpenOn(int year, int month, long persNr = 7, int group = 1) {
    app.platform.SetNow({year, month, 1, 8, 0, 0});
    app.OpenProgram();
    return app.EnterAs(persNr, group);
  }

  static void ExpectDayShown(const forms::Grid& g, int day, int width = 300) {
    EXPECT_EQ(g.ColWidth(day), width) << "day " << day;
    EXPECT_EQ(g.TextMatrix(3, day), std::to_string(day)) << "day " << day;
    EXPECT_NE(g.TextMatrix(2, day), "") << "day " << day;
  }

  static void ExpectDayHidden(const forms::Grid& g, int day) {
    EXPECT_EQ(g.ColWidth(day), 0) << "day " << day;
    EXPECT_EQ(g.TextMatrix(2, day), "") << "day " << day;
    EXPECT_EQ(g.TextMatrix(3, day), "") << "day " << day;
  }

  mvtest::TestApp app;
};

TEST_F(MonthGridLayout, HeaderRowsShowTeamMonthYearWeekdaysAndDays) {
  auto& k = OpenOn(2007, 3);
  auto& g = k.grdCal;
  EXPECT_EQ(g.Cols(), 32);
  EXPECT_EQ(g.FixedRows(), 4);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.ColWidth(0), 2000);
  for (int c = 1; c <= 31; ++c) {
    EXPECT_EQ(g.TextMatrix(0, c), "Entwicklung");
    EXPECT_EQ(g.TextMatrix(1, c), "März");
    EXPECT_EQ(g.TextMatrix(3, c), std::to_string(c));
  }
  for (int r = 0; r <= 3; ++r) EXPECT_EQ(g.TextMatrix(r, 0), "2007");
  EXPECT_EQ(g.TextMatrix(2, 1), "Do");  // 1 March 2007 was a Thursday
  EXPECT_EQ(g.TextMatrix(2, 5), "Mo");

  const auto picture = g.Picture();
  const auto& year = picture.Cell(3, 0);
  EXPECT_EQ(year.ForeColor, 0x0040C0);
  EXPECT_TRUE(year.Font.Bold);
  EXPECT_EQ(year.Font.Size, 20);
  EXPECT_EQ(picture.Cell(1, 10).Alignment, forms::flexAlignCenterCenter);
  const auto* team = picture.MergeAt(0, 1);
  ASSERT_NE(team, nullptr);
  EXPECT_GE(team->Cols, 31);
  const auto* month = picture.MergeAt(1, 5);
  ASSERT_NE(month, nullptr);
  EXPECT_GE(month->Cols, 31);
  const auto* yearCell = picture.MergeAt(2, 0);
  ASSERT_NE(yearCell, nullptr);
  EXPECT_EQ(yearCell->Rows, 4);
}

TEST_F(MonthGridLayout, FebruaryHasTwentyNineDaysInEveryFourthYear) {
  auto& k = OpenOn(2008, 2);
  ExpectDayShown(k.grdCal, 28);
  ExpectDayShown(k.grdCal, 29);
  ExpectDayHidden(k.grdCal, 30);
  ExpectDayHidden(k.grdCal, 31);

  k.cmbJahr.UserSelect(2007 - 2003);
  ExpectDayShown(k.grdCal, 28);
  ExpectDayHidden(k.grdCal, 29);
  ExpectDayHidden(k.grdCal, 30);
  ExpectDayHidden(k.grdCal, 31);
}

TEST_F(MonthGridLayout, AprilAfterFebruaryShowsDays29And30AgainAndMarchShowsAll) {
  auto& k = OpenOn(2007, 2);
  k.cmbMonat.UserSelect(3);
  ExpectDayShown(k.grdCal, 29);
  ExpectDayShown(k.grdCal, 30);
  ExpectDayHidden(k.grdCal, 31);
  EXPECT_EQ(k.grdCal.TextMatrix(2, 29), "So");

  k.cmbJahr.UserSelect(2008 - 2003);
  k.cmbMonat.UserSelect(1);
  k.cmbMonat.UserSelect(2);
  for (int d = 29; d <= 31; ++d) ExpectDayShown(k.grdCal, d);
}

TEST_F(MonthGridLayout, DaysPastTheMonthStayHiddenAfterZoomAndTeamChanges) {
  app.AddEntry(10, db::Date(2007, 2, 28), "U/");
  auto& k = OpenOn(2007, 2);
  k.cmdZoomInc.UserClick();
  ExpectDayShown(k.grdCal, 28, 400);
  for (int d = 29; d <= 31; ++d) ExpectDayHidden(k.grdCal, d);

  k.cmbTeamAuswahl.UserSelect(1);
  for (int d = 29; d <= 31; ++d) ExpectDayHidden(k.grdCal, d);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 28), "U");
  EXPECT_EQ(k.grdCal.TextMatrix(2, 28), "Mi");
}

TEST_F(MonthGridLayout, MembersAreOrderedByLastNameAscendingOrDescending) {
  auto& k = OpenOn(2026, 12);
  EXPECT_EQ(k.grdCal.Rows(), 7);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Albers, Carla");
  EXPECT_EQ(k.grdCal.TextMatrix(5, 0), "Meier, Anna");
  EXPECT_EQ(k.grdCal.TextMatrix(6, 0), "Zander, Bert");

  app.s().SortOrder = "DESC";
  k.cmbTeamAuswahl.UserSelect(1);
  k.cmbTeamAuswahl.UserSelect(0);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Zander, Bert");
  EXPECT_EQ(k.grdCal.TextMatrix(6, 0), "Albers, Carla");
  EXPECT_EQ(app.s().OwnRow, 5);
}

TEST_F(MonthGridLayout, MemberQueryTextIsExact) {
  app.AddTeam(3, "Drei");
  auto& k = OpenOn(2026, 12);
  k.cmbTeamAuswahl.UserSelect(2);
  EXPECT_EQ(app.s().SqlTeam,
            "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname FROM tbl_Mitarbeiter "
            "GROUP BY tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname, "
            "tbl_Mitarbeiter.TeamNr HAVING (((tbl_Mitarbeiter.TeamNr)=  2)) ORDER BY tbl_Mitarbeiter.Nachname ASC;");
  app.s().SortOrder = "DESC";
  k.cmbTeamAuswahl.UserSelect(3);
  EXPECT_EQ(app.s().SqlTeam.substr(app.s().SqlTeam.find("HAVING")),
            "HAVING (((tbl_Mitarbeiter.TeamNr)=  3)) ORDER BY tbl_Mitarbeiter.Nachname DESC;");
}

TEST_F(MonthGridLayout, ATeamOfThirtyFillsRowsFourToThirtyThree) {
  for (int i = 0; i < 29; ++i) {
    const std::string name = std::string("N") + static_cast<char>('a' + i / 10) + static_cast<char>('a' + i % 10);
    app.AddEmployee(100 + i, name, "X", 1);
    app.AddEntry(100 + i, db::Date(2026, 12, 1 + i), "U?");
  }
  auto& k = OpenOn(2026, 12);
  k.cmbTeamAuswahl.UserSelect(1);
  auto& g = k.grdCal;
  EXPECT_EQ(g.Rows(), 34);
  EXPECT_EQ(g.TextMatrix(4, 0), "Kunz, Dora");
  EXPECT_EQ(g.TextMatrix(5, 0), "Naa, X");
  EXPECT_EQ(g.TextMatrix(33, 0), "Nci, X");
  EXPECT_EQ(g.TextMatrix(33, 29), "U");
  EXPECT_EQ(g.TextMatrix(5, 1), "U");
}

TEST_F(MonthGridLayout, AnEmptyTeamShowsOnlyTheHeaderRows) {
  auto& k = OpenOn(2026, 12, 9);
  ASSERT_EQ(app.s().OwnRow, 4);
  k.cmbTeamAuswahl.UserSelect(2);
  EXPECT_EQ(k.grdCal.Rows(), 4);
  EXPECT_EQ(k.grdCal.TextMatrix(0, 1), "Leer");
  EXPECT_EQ(app.s().OwnRow, 4);
  for (const auto& row : app.s().CellNotes) {
    for (long note : row) EXPECT_EQ(note, 0);
  }

  k.cmbMonat.UserSelect(0);
  EXPECT_EQ(k.grdCal.Rows(), 4);
  k.cmbTeamAuswahl.UserSelect(0);
  EXPECT_EQ(k.grdCal.Rows(), 7);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Albers, Carla");
}

TEST_F(MonthGridLayout, EmployeesSeeTheirOwnNameBoldOnlyInTheirOwnTeam) {
  auto& k = OpenOn(2026, 12, 7, 3);
  auto bold = [&](int row) { return k.grdCal.Picture().Cell(row, 0).Font.Bold; };
  EXPECT_EQ(app.s().OwnRow, 5);
  EXPECT_FALSE(bold(4));
  EXPECT_TRUE(bold(5));
  EXPECT_FALSE(bold(6));

  k.cmbTeamAuswahl.UserSelect(1);
  EXPECT_FALSE(bold(4));
  EXPECT_EQ(app.s().OwnRow, 5);

  k.cmbTeamAuswahl.UserSelect(0);
  EXPECT_TRUE(bold(5));
}

TEST_F(MonthGridLayout, TwoMembersWithTheUsersNameMakeTheLowerRowTheOwnRow) {
  app.AddEmployee(11, "Meier", "Anna", 0);
  auto& k = OpenOn(2026, 12, 7, 3);
  EXPECT_EQ(k.grdCal.TextMatrix(5, 0), "Meier, Anna");
  EXPECT_EQ(k.grdCal.TextMatrix(6, 0), "Meier, Anna");
  EXPECT_EQ(app.s().OwnRow, 6);
  EXPECT_TRUE(k.grdCal.Picture().Cell(6, 0).Font.Bold);
  EXPECT_FALSE(k.grdCal.Picture().Cell(5, 0).Font.Bold);
}

// Renamed while logged in, the user's name is no longer in the team: the stale own row now shows
// somebody else, who must be neither bold nor coloured for the user.
TEST_F(MonthGridLayout, AStaleOwnRowMarksNobody) {
  app.AddEntry(8, db::Date(2026, 12, 2), "U?");
  auto& k = OpenOn(2026, 12, 7, 3);
  app.Sql("UPDATE tbl_Mitarbeiter SET Nachname = 'Ziegler' WHERE PersNr = 7");
  k.cmbTeamAuswahl.UserSelect(1);
  k.cmbTeamAuswahl.UserSelect(0);
  EXPECT_EQ(app.s().OwnRow, 5);
  EXPECT_EQ(k.grdCal.TextMatrix(5, 0), "Zander, Bert");
  EXPECT_EQ(k.grdCal.TextMatrix(6, 0), "Ziegler, Anna");
  for (int r = 4; r <= 6; ++r) EXPECT_FALSE(k.grdCal.Picture().Cell(r, 0).Font.Bold);
  EXPECT_EQ(k.grdCal.TextMatrix(5, 2), "U");
  EXPECT_EQ(k.grdCal.Picture().Cell(5, 2).BackColor, forms::vbWhite);
}

TEST_F(MonthGridLayout, RebuildsAfterTheMainWindowIsGoneDoNotReopenIt) {
  OpenOn(2026, 12);
  ASSERT_TRUE(app.s().frmKalender.Unload());
  mv::FillCalendar(app.s(), "Team");
  mv::FillCalendar(app.s(), "Monat");
  EXPECT_FALSE(app.s().frmKalender.IsLoaded());
}

}  // namespace
