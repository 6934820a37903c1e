// The annual overview as a window: its team list and tabs, the ways out, each of which hands the
// main window a calendar whose lists name what it shows, and its opening on an unknown team, in the
// font of now and after a failing build.
#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

enum class WayOut { Button, CloseBox, DayInHeader, DayInMemberRow };

// Each way out rebuilds the main calendar for the team last chosen; a double click on 15 March
// (column 74) also moves it to March, and the info panel to the current employee Zoller's March.
TEST(YearWindow, EveryWayOutShowsTheChosenTeamInTheMainWindowWithItsListsInStep) {
  for (WayOut way :
       {WayOut::Button, WayOut::CloseBox, WayOut::DayInHeader, WayOut::DayInMemberRow}) {
    SCOPED_TRACE(static_cast<int>(way));
    YearApp app;
    app.AddEntry(12, db::Date(2026, 3, 9), "U/");
    SetToday(app, 2026, 12, 6);
    mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
    k.grdCal.UserMove(ZollerRow, 0);
    k.mnuJahresübersicht.UserClick();
    mv::frmJahresansicht& y = app.Year();
    y.grdYear.UserDoubleClick(4, 0);
    EXPECT_TRUE(y.Visible());
    y.cmb_Team.UserSelect(1);
    const bool jump = way == WayOut::DayInHeader || way == WayOut::DayInMemberRow;
    if (way == WayOut::Button) y.cmd_Close.UserClick();
    if (way == WayOut::CloseBox) y.UserClose();
    if (jump) y.grdYear.UserDoubleClick(way == WayOut::DayInHeader ? 2 : 4, 74);

    EXPECT_FALSE(app.overview().frmJahresansicht.IsLoaded());
    EXPECT_TRUE(k.Enabled());
    EXPECT_TRUE(k.IsActive());
    const std::string month = jump ? "März" : "Dezember";
    EXPECT_EQ((Texts{k.cmbMonat.Text(), k.grdCal.TextMatrix(1, 1), k.cmbTeamAuswahl.Text(),
                     k.grdCal.TextMatrix(0, 1), k.grdCal.TextMatrix(4, 0)}),
              (Texts{month, month, "Vertrieb", "Vertrieb", "Dorn, Dora"}));
    EXPECT_EQ(k.grdCal.Rows(), 5);
    EXPECT_EQ(k.lbl_ColInfo1.Caption(), jump ? "1" : "0");
  }
}

// A user whose team number has no team opens on the first; the team list is the main window's,
// each tab shows its own frame, and each opening takes the font of now.
TEST(YearWindow, OpensOnTheFirstTeamForAnUnknownTeamWithItsTabsAndInTheFontOfNow) {
  YearApp app;
  app.AddEmployee(40, "Fern", "Fritz", 7);
  Prepare(app);
  app.s().Settings.CalendarFont = "Courier New";
  app.EnterAs(40, mv::GroupAdmin).mnuJahresübersicht.UserClick();
  mv::frmJahresansicht& y = app.Year();
  EXPECT_EQ(y.cmb_Team.Text(), "Entwicklung");
  EXPECT_EQ(y.grdYear.TextMatrix(4, 0), "Adam, K.");
  EXPECT_EQ(Entries(y.cmb_Team), Entries(app.Main().cmbTeamAuswahl));
  EXPECT_EQ(y.grdYear.FontName(), "Courier New");
  const std::vector<forms::Frame*> frames = {&y.fmUrlaub, &y.fmKrank, &y.fmZeitausgleich,
                                             &y.fmDienstreise, &y.fmSonstiges};
  for (int tab : {1, 4, 2, 5, 3}) {
    if (tab != 1) y.tabStats.UserSelect(tab);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(frames[i]->Visible(), i == tab - 1) << tab << i;
  }
  y.cmd_Close.UserClick();
  EXPECT_EQ(app.Main().cmbTeamAuswahl.Text(), "Entwicklung");
  app.s().Settings.CalendarFont = "Times New Roman";
  app.Main().mnuJahresübersicht.UserClick();
  EXPECT_EQ(app.Year().grdYear.FontName(), "Times New Roman");
}

// One message per build, with the database's reason; the window ends usable, and no row shows
// the name of the team chosen beside the days of the team before.
TEST(YearWindow, AFailingBuildIsReportedAndLeavesTheWindowUsable) {
  YearApp app;
  mv::frmJahresansicht& y = OpenYear(app, 2026);
  app.Sql("DROP TABLE tbl_Kalender");
  app.ExpectBoxNaming("tbl_Kalender");
  BuildRecorder recorder(app);
  y.cmb_Team.UserSelect(1);
  EXPECT_TRUE(recorder.progressShown);
  EXPECT_TRUE(y.Enabled());
  EXPECT_EQ(y.MousePointer(), forms::vbArrow);
  EXPECT_FALSE(y.fmProgress.Visible());
  EXPECT_EQ(y.lbl_AnzUgesamt.Caption(), "0");
  EXPECT_EQ(y.grdYear.Rows(), 4);
}

}  // namespace
