#include <gtest/gtest.h>

#include "calendar/frmKalender.h"
#include "support/TestApp.h"
#include "calendar/GridMouseProbe.h"

namespace {

using mvtest::BoldAt;
using mvtest::RowsWithSelection;

const std::string NameTip = "Doppelklick auf den Namen öffnet die MA-Kartei";

// Team "Entwicklung" in rows 4 to 6 (Abel, Berg, Cramer); December 2026 is shown.
class GridMouseHover : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddTeam(1, "Leer");
    app.AddEmployee(11, "Abel", "Anna", 0, 30);
    app.AddEmployee(12, "Berg", "Bernd", 0, 28);
    app.AddEmployee(13, "Cramer", "Carla", 0, 25);
  }

  mv::frmKalender& Enter(long persNr, int group) {
    app.OpenProgram();
    app.s().Settings.HighlightHolidays = -1;
    app.s().Settings.HolidayColor = 0x80FF80;
    return app.EnterAs(persNr, group);
  }

  mvtest::TestApp app;
};

TEST_F(GridMouseHover, PointerOnANameShowsTheTooltipAndMakesThatEmployeeCurrentInBold) {
  app.AddEntry(12, db::Date(2026, 12, 1), "U/");
  app.AddEntry(12, db::Date(2026, 12, 2), "U?");
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;

  g.UserMove(5, 0);
  EXPECT_EQ(g.ToolTipText(), NameTip);
  EXPECT_EQ(app.s().CurrentPersNr, 12);
  EXPECT_FALSE(BoldAt(g, 4, 0));
  EXPECT_TRUE(BoldAt(g, 5, 0));
  EXPECT_FALSE(BoldAt(g, 6, 0));
  EXPECT_EQ(k.lbl_ColInfo1.Caption(), "1");
  EXPECT_EQ(k.lbl_ColInfo2.Caption(), "1");
  EXPECT_EQ(k.lbl_KtoZahl1.Caption(), "28");
  EXPECT_EQ(k.lbl_KtoZahl3.Caption(), "26");

  g.UserMove(6, 3);
  EXPECT_EQ(g.ToolTipText(), "");
  EXPECT_EQ(app.s().CurrentPersNr, 13);
  EXPECT_FALSE(BoldAt(g, 5, 0));
  EXPECT_TRUE(BoldAt(g, 6, 0));
  EXPECT_EQ(k.lbl_ColInfo1.Caption(), "0");
  EXPECT_EQ(k.lbl_KtoZahl1.Caption(), "25");
}

TEST_F(GridMouseHover, PointerOnAHeaderRowMakesTheFirstMemberCurrentWithoutChangingTheBoldName) {
  app.AddEntry(11, db::Date(2026, 12, 9), "U!");
  auto& k = Enter(13, 2);
  auto& g = k.grdCal;
  g.UserMove(6, 2);

  g.UserMove(2, 10);
  EXPECT_EQ(app.s().CurrentPersNr, 11);
  EXPECT_EQ(k.lbl_ColInfo3.Caption(), "1");
  EXPECT_TRUE(BoldAt(g, 6, 0));
  EXPECT_FALSE(BoldAt(g, 4, 0));
}

TEST_F(GridMouseHover, NoteTextOfEntriesAndHolidaysFollowsThePointer) {
  const long doctor = app.AddNote("Arzttermin");
  const long christmas = app.AddNote("Heiligabend");
  app.AddEntry(12, db::Date(2026, 12, 3), "K/", doctor);
  app.AddEntry(13, db::Date(2026, 12, 4), "U?", 999);
  app.AddHoliday(db::Date(2026, 12, 24), christmas);
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;

  g.UserMove(5, 3);
  EXPECT_EQ(k.lbl_Note.Caption(), "Arzttermin");
  g.UserMove(6, 4);  // a note number the catalogue lacks
  EXPECT_EQ(k.lbl_Note.Caption(), "Arzttermin");
  g.UserMove(2, 24);
  EXPECT_EQ(k.lbl_Note.Caption(), "Heiligabend");
  g.UserMove(4, 24);
  EXPECT_EQ(k.lbl_Note.Caption(), "");
  g.UserMove(3, 24);
  EXPECT_EQ(k.lbl_Note.Caption(), "Heiligabend");
}

TEST_F(GridMouseHover, EmployeesSeeNotesButStayTheCurrentEmployeeWithTheirOwnNameBold) {
  const long doctor = app.AddNote("Arzttermin");
  app.AddEntry(11, db::Date(2026, 12, 3), "K/", doctor);
  app.AddEntry(12, db::Date(2026, 12, 8), "U?");
  auto& k = Enter(12, 3);
  auto& g = k.grdCal;

  g.UserMove(4, 3);
  EXPECT_EQ(k.lbl_Note.Caption(), "Arzttermin");
  EXPECT_EQ(app.s().CurrentPersNr, 12);
  EXPECT_TRUE(BoldAt(g, 5, 0));
  EXPECT_FALSE(BoldAt(g, 4, 0));
  EXPECT_EQ(k.lbl_ColInfo2.Caption(), "1");
  g.UserMove(4, 0);
  EXPECT_EQ(g.ToolTipText(), NameTip);
}

TEST_F(GridMouseHover, AnEmptyTeamOnlyShowsTheTooltip) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;
  k.cmbTeamAuswahl.UserSelect(1);
  ASSERT_EQ(g.Rows(), 4);

  g.UserMove(3, 0);
  EXPECT_EQ(g.ToolTipText(), NameTip);
  g.UserMove(3, 5);
  g.UserPress(3, 5);
  g.UserRelease(3, 5);
  g.UserDoubleClick(3, 0);
  EXPECT_EQ(app.s().CurrentPersNr, 0);
  EXPECT_FALSE(app.s().SelStart);
  EXPECT_TRUE(app.platform.MessageBoxes().empty());
}

TEST_F(GridMouseHover, RebuildsMoveNoSelectionAndKeepTheCurrentEmployee) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;
  g.UserMove(5, 3);
  ASSERT_EQ(app.s().CurrentPersNr, 12);

  k.cmbMonat.UserSelect(1);
  k.cmdMonForward.UserClick();
  k.cmbTeamAuswahl.UserSelect(1);
  k.cmbTeamAuswahl.UserSelect(0);
  k.cmdZoomInc.UserClick();
  EXPECT_EQ(app.s().CurrentPersNr, 12);
  EXPECT_EQ(RowsWithSelection(g), 0);
  EXPECT_FALSE(app.s().SelStart);
}

TEST_F(GridMouseHover, DoubleClickOnAMemberRowMakesItsEmployeeCurrentAndOpensNothingYet) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;

  g.UserDoubleClick(6, 0);
  EXPECT_EQ(app.s().CurrentPersNr, 13);
  EXPECT_TRUE(app.platform.MessageBoxes().empty());
  EXPECT_TRUE(k.Enabled());

  g.UserDoubleClick(1, 0);
  EXPECT_EQ(app.s().CurrentPersNr, 13);
}

TEST_F(GridMouseHover, RightClickOnANameTogglesTheOrderOfTheRows) {
  auto& k = Enter(11, 1);
  auto& g = k.grdCal;

  g.UserPress(5, 0, forms::vbRightButton);
  g.UserRelease(5, 0, forms::vbRightButton);
  EXPECT_EQ(app.s().SortOrder, "DESC");
  EXPECT_EQ(g.TextMatrix(4, 0), "Cramer, Carla");
  EXPECT_EQ(g.TextMatrix(6, 0), "Abel, Anna");

  g.UserPress(1, 3, forms::vbRightButton);  // a header cell neither sorts nor applies
  g.UserRelease(1, 3, forms::vbRightButton);
  g.UserClick(4, 0);                        // nor does a left click on a name
  EXPECT_EQ(app.s().SortOrder, "DESC");

  g.UserPress(4, 0, forms::vbRightButton);
  g.UserRelease(4, 0, forms::vbRightButton);
  EXPECT_EQ(app.s().SortOrder, "ASC");
  EXPECT_EQ(g.TextMatrix(4, 0), "Abel, Anna");
  EXPECT_TRUE(app.platform.MessageBoxes().empty());
}

}  // namespace
