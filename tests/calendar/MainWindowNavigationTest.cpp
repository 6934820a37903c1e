// The header controls: months and years back and forth with both lists in step, zoom steps and
// the choice of a team.
#include <gtest/gtest.h>

#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"
#include "support/TestApp.h"

namespace {

class MainWindowNavigation : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddTeam(1, "Vertrieb");
    app.AddEmployee(7, "Meier", "Anna", 0);
    app.AddEmployee(8, "Kunz", "Bert", 1);
    app.AddEmployee(9, "Lang", "Carla", 1);
  }

  mv::frmKalender& OpenOn(int year, int month) {
    app.platform.SetNow({year, month, 10, 8, 0, 0});
    app.OpenProgram();
    return app.EnterAs(7, 1);
  }

  void ExpectShown(mv::frmKalender& k, const std::string& month, const std::string& year) {
    EXPECT_EQ(k.cmbMonat.Text(), month);
    EXPECT_EQ(k.cmbJahr.Text(), year);
    EXPECT_EQ(k.grdCal.TextMatrix(1, 1), month);
    EXPECT_EQ(k.grdCal.TextMatrix(3, 0), year);
  }

  mvtest::TestApp app;
};

TEST_F(MainWindowNavigation, MonthBackFromJanuaryShowsDecemberOfThePreviousYear) {
  app.AddEntry(7, db::Date(2009, 12, 24), "U/");
  auto& k = OpenOn(2010, 1);
  k.cmdMonBack.UserClick();
  ExpectShown(k, "Dezember", "2009");
  EXPECT_EQ(app.s().CurrentMonth, 12);
  EXPECT_EQ(app.s().CurrentYear, 2009);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 24), "U");

  k.cmdMonBack.UserClick();
  ExpectShown(k, "November", "2009");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 24), "");
}

TEST_F(MainWindowNavigation, MonthForwardFromDecemberShowsJanuaryOfTheNextYear) {
  app.AddEntry(7, db::Date(2027, 1, 4), "S?");
  auto& k = OpenOn(2026, 12);
  k.cmdMonForward.UserClick();
  ExpectShown(k, "Januar", "2027");
  EXPECT_EQ(app.s().CurrentYear, 2027);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 4), "S");

  k.cmdMonForward.UserClick();
  ExpectShown(k, "Februar", "2027");
}

TEST_F(MainWindowNavigation, MonthButtonsStopAtTheEndsOfTheYearList) {
  auto& k = OpenOn(2003, 1);
  k.cmdMonBack.UserClick();
  ExpectShown(k, "Januar", "2003");
  EXPECT_EQ(app.s().CurrentYear, 2003);
  EXPECT_EQ(app.s().CurrentMonth, 1);

  k.cmbJahr.UserSelect(k.cmbJahr.ListCount() - 1);
  k.cmbMonat.UserSelect(11);
  ExpectShown(k, "Dezember", "2020");
  k.cmdMonForward.UserClick();
  ExpectShown(k, "Dezember", "2020");
  EXPECT_EQ(app.s().CurrentYear, 2020);
}

// Running past New Year's Eve makes the clock's next year one later than the year list's last.
TEST_F(MainWindowNavigation, MonthForwardStopsAtTheListsLastYearAfterTheClockMovedOn) {
  auto& k = OpenOn(2026, 12);
  app.platform.SetNow({2027, 1, 2, 8, 0, 0});
  k.cmbJahr.UserSelect(k.cmbJahr.ListCount() - 1);
  ExpectShown(k, "Dezember", "2027");
  k.cmdMonForward.UserClick();
  ExpectShown(k, "Dezember", "2027");
  EXPECT_EQ(app.s().CurrentYear, 2027);
  EXPECT_EQ(app.s().CurrentMonth, 12);
}

// The annual overview and the print manager move the view without touching the lists; the month
// buttons must still show the month they name.
TEST_F(MainWindowNavigation, MonthButtonsFollowAViewMovedByAnotherWindow) {
  auto& k = OpenOn(2026, 12);
  app.s().CurrentMonth = 11;
  mv::FillCalendar(app.s(), "Team");
  mv::FillCalendar(app.s(), "Monat");
  ASSERT_EQ(k.grdCal.TextMatrix(1, 1), "November");

  k.cmdMonForward.UserClick();
  ExpectShown(k, "Dezember", "2026");
  EXPECT_EQ(app.s().CurrentMonth, 12);
}

TEST_F(MainWindowNavigation, ZoomStepsBetweenItsLimitsAndAlwaysRebuilds) {
  auto& k = OpenOn(2026, 12);
  auto& g = k.grdCal;
  ASSERT_EQ(app.s().ZoomLevel, 0);

  app.AddEntry(7, db::Date(2026, 12, 7), "U?");
  k.cmdZoomDec.UserClick();
  EXPECT_EQ(app.s().ZoomLevel, 0);
  EXPECT_EQ(g.ColWidth(5), 300);
  EXPECT_EQ(g.TextMatrix(4, 7), "U");

  k.cmdZoomInc.UserClick();
  EXPECT_EQ(g.ColWidth(5), 400);
  EXPECT_EQ(g.RowHeightMin(), 400);
  k.cmdZoomInc.UserClick();
  app.AddEntry(7, db::Date(2026, 12, 8), "U?");
  k.cmdZoomInc.UserClick();
  EXPECT_EQ(app.s().ZoomLevel, 2);
  EXPECT_EQ(g.ColWidth(31), 500);
  EXPECT_EQ(g.ColWidth(0), 2000);
  EXPECT_EQ(g.RowHeightMin(), 500);
  const auto picture = g.Picture();
  EXPECT_EQ(picture.Cell(4, 0).Font.Size, 12);
  EXPECT_EQ(picture.Cell(2, 9).Font.Size, 12);
  EXPECT_EQ(picture.Cell(3, 0).Font.Size, 26);
  EXPECT_EQ(g.TextMatrix(4, 8), "U");

  k.cmdZoomDec.UserClick();
  EXPECT_EQ(app.s().ZoomLevel, 1);
  EXPECT_EQ(g.Picture().Cell(3, 0).Font.Size, 23);
}

TEST_F(MainWindowNavigation, ChoosingATeamShowsItsMembersUnderItsName) {
  app.AddEntry(8, db::Date(2026, 12, 15), "D?");
  auto& k = OpenOn(2026, 12);
  ASSERT_EQ(k.grdCal.TextMatrix(0, 1), "Entwicklung");

  k.cmbTeamAuswahl.UserSelect(1);
  EXPECT_EQ(app.s().CurrentTeam, 1);
  EXPECT_EQ(k.grdCal.Rows(), 6);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Kunz, Bert");
  EXPECT_EQ(k.grdCal.TextMatrix(5, 0), "Lang, Carla");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 15), "D");
  for (int c = 1; c <= 31; ++c) EXPECT_EQ(k.grdCal.TextMatrix(0, c), "Vertrieb");
  EXPECT_EQ(k.grdCal.TextMatrix(1, 1), "Dezember");
}

}  // namespace
