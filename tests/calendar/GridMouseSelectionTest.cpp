#include <gtest/gtest.h>

#include <vector>

#include "calendar/frmKalender.h"
#include "support/TestApp.h"
#include "calendar/GridMouseProbe.h"

namespace {

using mvtest::BackAt;
using mvtest::BoldAt;
using mvtest::RowsWithSelection;
using mvtest::SelectedDays;

constexpr int Left = forms::vbLeftButton;
constexpr forms::Color WeekendColor = 0xC0C0C0;

std::vector<int> Days(int first, int last) {
  std::vector<int> days;
  for (int d = first; d <= last; ++d) days.push_back(d);
  return days;
}

// Team "Entwicklung" in rows 4 to 6 (Abel, Berg, Cramer), team "Vertrieb" (Dorn); December 2026
// is shown, whose 5th and 6th are a weekend.
class GridMouseSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddTeam(1, "Vertrieb");
    app.AddEmployee(11, "Abel", "Anna", 0);
    app.AddEmployee(12, "Berg", "Bernd", 0);
    app.AddEmployee(13, "Cramer", "Carla", 0);
    app.AddEmployee(21, "Dorn", "Dora", 1);
  }

  mv::frmKalender& Enter(long persNr, int group) {
    app.OpenProgram();
    app.s().Settings.HighlightWeekend = -1;
    app.s().Settings.WeekendColor = WeekendColor;
    return app.EnterAs(persNr, group);
  }

  // The confirmation of a vacation enquiry answered as told; on yes no note is attached.
  void ExpectEnquiry(const std::string& from, const std::string& to, int answer) {
    app.platform.ExpectMessageBox("Vom " + from + " bis " + to + "\rUrlaub anfragen ?", answer);
    if (answer == forms::vbYes) app.platform.ExpectMessageBox(app.s().T(50), forms::vbNo);
  }

  mvtest::TestApp app;
};

TEST_F(GridMouseSelection, DragToTheRightPaintsTheHoveredRowAndHandsTheRunOn) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;
  g.UserMove(5, 3);
  g.UserPress(5, 3);
  EXPECT_EQ(SelectedDays(g, 5), Days(3, 3));
  g.UserMove(5, 4, Left);
  g.UserMove(5, 6, Left);
  EXPECT_EQ(SelectedDays(g, 5), Days(3, 6));
  EXPECT_EQ(RowsWithSelection(g), 1);
  EXPECT_EQ(app.s().SelStart, 3);
  EXPECT_EQ(app.s().SelEndCol, 6);

  g.UserMove(5, 4, Left);  // back towards the anchor: the weekend gets its colour again
  EXPECT_EQ(SelectedDays(g, 5), Days(3, 4));
  EXPECT_EQ(app.s().SelEndCol, 4);
  EXPECT_EQ(BackAt(g, 5, 5), WeekendColor);
  EXPECT_EQ(BackAt(g, 5, 6), WeekendColor);

  ExpectEnquiry("03.12.2026", "04.12.2026", forms::vbYes);
  g.UserRelease(5, 4);
  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.EntryOn(12, db::Date(2026, 12, 3)), "U?");
  EXPECT_EQ(app.EntryOn(12, db::Date(2026, 12, 4)), "U?");
  EXPECT_EQ(app.EntryOn(12, db::Date(2026, 12, 5)), "");
  EXPECT_EQ(g.TextMatrix(5, 3), "U");
  EXPECT_EQ(BackAt(g, 5, 3), forms::vbYellow);
  EXPECT_EQ(RowsWithSelection(g), 0);
  EXPECT_FALSE(app.s().SelStart);
}

TEST_F(GridMouseSelection, DragToTheLeftSelectsTheDaysBetweenPointerAndAnchor) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;
  g.UserMove(4, 10);
  g.UserPress(4, 10);
  g.UserMove(4, 8, Left);
  g.UserMove(4, 7, Left);
  EXPECT_EQ(SelectedDays(g, 4), Days(7, 10));
  EXPECT_EQ(app.s().SelStart, 7);
  EXPECT_EQ(app.s().SelEndCol, 10);

  g.UserMove(4, 12, Left);  // past the anchor to the right
  EXPECT_EQ(SelectedDays(g, 4), Days(10, 12));
  g.UserMove(4, 9, Left);
  EXPECT_EQ(SelectedDays(g, 4), Days(9, 10));

  ExpectEnquiry("09.12.2026", "10.12.2026", forms::vbYes);
  g.UserRelease(4, 9);
  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.EntryOn(11, db::Date(2026, 12, 9)), "U?");
  EXPECT_EQ(app.EntryOn(11, db::Date(2026, 12, 10)), "U?");
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender"), 2);
}

TEST_F(GridMouseSelection, DragAcrossOtherRowsStaysInTheRowWhereItBegan) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;
  g.UserMove(5, 3);
  g.UserPress(5, 3);
  g.UserMove(6, 5, Left);
  g.UserMove(4, 7, Left);
  EXPECT_EQ(SelectedDays(g, 5), Days(3, 7));
  EXPECT_EQ(RowsWithSelection(g), 1);
  EXPECT_EQ(app.s().CurrentPersNr, 12);
  EXPECT_TRUE(BoldAt(g, 5, 0));
  EXPECT_FALSE(BoldAt(g, 4, 0));

  g.UserMove(6, 7);  // no button: the hover display stays while the run is under way
  EXPECT_EQ(app.s().CurrentPersNr, 12);

  ExpectEnquiry("03.12.2026", "07.12.2026", forms::vbNo);
  g.UserRelease(4, 7);
  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender"), 0);
  EXPECT_EQ(RowsWithSelection(g), 0);
  EXPECT_FALSE(app.s().SelStart);

  g.UserMove(6, 7);
  EXPECT_EQ(app.s().CurrentPersNr, 13);
}

TEST_F(GridMouseSelection, HiddenDaysPastTheMonthsEndAreNeverSelected) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;
  k.cmbMonat.UserSelect(1);  // February 2026: 28 days
  ASSERT_EQ(g.ColWidth(29), 0);

  g.UserMove(5, 30);
  g.UserPress(5, 30);
  g.UserRelease(5, 30);
  EXPECT_FALSE(app.s().SelStart);
  EXPECT_EQ(RowsWithSelection(g), 0);

  g.UserMove(5, 27);
  g.UserPress(5, 27);
  g.UserMove(5, 28, Left);
  g.UserMove(5, 30, Left);
  EXPECT_EQ(SelectedDays(g, 5), Days(27, 28));
  EXPECT_EQ(app.s().SelEndCol, 28);

  ExpectEnquiry("27.02.2026", "28.02.2026", forms::vbNo);
  g.UserRelease(5, 30);
  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
}

TEST_F(GridMouseSelection, RightButtonOnADayCellNeitherSelectsNorApplies) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;
  g.UserMove(5, 3);
  g.UserPress(5, 3, forms::vbRightButton);
  g.UserRelease(5, 3, forms::vbRightButton);
  EXPECT_FALSE(app.s().SelStart);
  EXPECT_EQ(RowsWithSelection(g), 0);
  EXPECT_TRUE(app.platform.MessageBoxes().empty());

  // The next left drag starts from its own press, not from the right click.
  g.UserMove(5, 8);
  g.UserPress(5, 8);
  EXPECT_EQ(app.s().SelStart, 8);
}

TEST_F(GridMouseSelection, ReleaseOverANameOrAHeaderEndsTheRunWithoutApplying) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;
  g.UserMove(5, 3);
  g.UserPress(5, 3);
  g.UserMove(5, 6, Left);
  g.UserMove(5, 0, Left);
  g.UserRelease(5, 0);
  EXPECT_FALSE(app.s().SelStart);
  EXPECT_EQ(RowsWithSelection(g), 0);
  EXPECT_EQ(BackAt(g, 5, 3), forms::vbWhite);
  EXPECT_EQ(BackAt(g, 5, 6), WeekendColor);

  g.UserMove(4, 2);
  EXPECT_EQ(app.s().CurrentPersNr, 11);
  g.UserPress(4, 2);
  g.UserMove(1, 4, Left);
  g.UserRelease(1, 4);
  EXPECT_FALSE(app.s().SelStart);
  EXPECT_EQ(RowsWithSelection(g), 0);
  EXPECT_TRUE(app.platform.MessageBoxes().empty());

  // A fresh press anchors anew.
  g.UserPress(4, 12);
  EXPECT_EQ(app.s().SelStart, 12);
  EXPECT_EQ(SelectedDays(g, 4), Days(12, 12));
}

TEST_F(GridMouseSelection, EmployeesSelectInTheirOwnRowWhateverRowThePointerIsIn) {
  auto& k = Enter(12, 3);
  auto& g = k.grdCal;
  g.UserMove(4, 3);
  g.UserPress(4, 3);
  g.UserMove(6, 5, Left);
  EXPECT_EQ(SelectedDays(g, 5), Days(3, 5));
  EXPECT_EQ(RowsWithSelection(g), 1);

  g.UserMove(6, 1, Left);
  EXPECT_EQ(SelectedDays(g, 5), Days(1, 3));

  ExpectEnquiry("01.12.2026", "03.12.2026", forms::vbYes);
  g.UserRelease(6, 1);
  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.EntryOn(12, db::Date(2026, 12, 1)), "U?");
  EXPECT_EQ(app.EntryOn(12, db::Date(2026, 12, 3)), "U?");
  EXPECT_EQ(app.EntryOn(11, db::Date(2026, 12, 3)), "");
  EXPECT_EQ(app.EntryOn(13, db::Date(2026, 12, 1)), "");
}

TEST_F(GridMouseSelection, EmployeesSelectNothingInAnotherTeam) {
  auto& k = Enter(12, 3);
  auto& g = k.grdCal;
  k.cmbTeamAuswahl.UserSelect(1);
  ASSERT_EQ(g.TextMatrix(4, 0), "Dorn, Dora");

  g.UserMove(4, 3);
  g.UserPress(4, 3);
  g.UserMove(4, 6, Left);
  EXPECT_EQ(RowsWithSelection(g), 0);
  g.UserRelease(4, 6);
  EXPECT_FALSE(app.s().SelStart);
  EXPECT_TRUE(app.platform.MessageBoxes().empty());
  EXPECT_EQ(app.s().CurrentPersNr, 12);
}

}  // namespace
