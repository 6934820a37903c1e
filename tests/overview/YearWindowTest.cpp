// The annual overview as a window: opening and its captions, the tabs, the jump to a month and
// the closing, both of which hand the main window a calendar whose lists name what it shows, and
// a build that fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OverviewTestSupport.h"

namespace {

using namespace yeartest;

TEST(YearWindow, OpensOnTheShownTeamWithItsCaptionsInBothLanguages) {
  for (int language : {1, 2}) {
    SCOPED_TRACE("language " + std::to_string(language));
    const bool german = language == 1;
    YearApp app;
    BuildRecorder recorder(app);
    mv::frmJahresansicht& y = OpenYear(app, 2026, language);
    EXPECT_TRUE(y.Visible() && y.IsActive() && y.Enabled());
    EXPECT_FALSE(Main(app).Enabled());
    EXPECT_EQ(recorder.builds, 1);
    EXPECT_TRUE(recorder.progressShown);
    EXPECT_FALSE(y.fmProgress.Visible());
    EXPECT_EQ(Entries(y.cmb_Team), Entries(Main(app).cmbTeamAuswahl));
    EXPECT_EQ(y.cmb_Team.Text(), "Entwicklung");
    const std::vector<std::string> shown = {y.Caption(),
                                            y.lbl_Teamauswahl.Caption(),
                                            y.tabStats.TabCaption(1),
                                            y.tabStats.TabCaption(5),
                                            y.lbl_Uoffen.Caption(),
                                            y.lbl_Kunentschuldigt.Caption(),
                                            y.lbl_davon[3].Caption(),
                                            y.lbl_Wait.Caption(),
                                            y.cmd_Close.Caption()};
    const std::vector<std::string> expected =
        german ? std::vector<std::string>{"Jahresübersicht",
                                          "Team",
                                          "Jahresurlaub",
                                          "Sonstige Tage",
                                          "offen",
                                          "unentschuldigt",
                                          "davon",
                                          "Bitte warten, Jahresansicht wird erstellt...",
                                          "Fenster schliessen"}
               : std::vector<std::string>{"Annual overview",
                                          "Team",
                                          "Annual vacation days",
                                          "Misc. days",
                                          "left over",
                                          "unexcused",
                                          "thereof",
                                          "Generate annual view, please wait...",
                                          "Close window"};
    EXPECT_EQ(shown, expected);
  }
}

TEST(YearWindow, EachTabShowsItsFrameOnly) {
  YearApp app;
  mv::frmJahresansicht& y = OpenYear(app, 2026);
  const std::vector<forms::Frame*> frames = {&y.fmUrlaub, &y.fmKrank, &y.fmZeitausgleich,
                                             &y.fmDienstreise, &y.fmSonstiges};
  for (int tab : {1, 4, 2, 5, 3, 1}) {
    if (tab != 1 || y.tabStats.SelectedIndex() != 1) y.tabStats.UserSelect(tab);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(frames[i]->Visible(), i == tab - 1) << tab << " " << i;
  }
  EXPECT_EQ(y.tabStats.TabKey(4), "tab_Dienstreise");
}

// 15 March 2026 is column 74. The info panel shows the current employee's month: Zoller's.
TEST(YearWindow, ADoubleClickOnADayShowsItsMonthOfTheChosenTeamInTheMainWindow) {
  for (int row : {2, 4}) {
    SCOPED_TRACE("row " + std::to_string(row));
    YearApp app;
    app.AddEntry(12, db::Date(2026, 3, 9), "U/");
    SetToday(app, 2026, 12, 6);
    mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
    k.grdCal.UserMove(ZollerRow, 0);
    k.mnuJahresübersicht.UserClick();
    mv::frmJahresansicht& y = app.overview().frmJahresansicht.Get();
    y.grdYear.UserDoubleClick(row, 0);
    EXPECT_TRUE(y.Visible());
    y.cmb_Team.UserSelect(1);
    y.grdYear.UserDoubleClick(row, 74);

    EXPECT_FALSE(app.overview().frmJahresansicht.IsLoaded());
    EXPECT_TRUE(k.Enabled() && k.IsActive());
    EXPECT_EQ(k.cmbMonat.Text(), "März");
    EXPECT_EQ(k.cmbTeamAuswahl.Text(), "Vertrieb");
    EXPECT_EQ(k.grdCal.TextMatrix(1, 1), "März");
    EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Dorn, Dora");
    EXPECT_EQ(k.lbl_ColInfo1.Caption(), "1");
  }
}

TEST(YearWindow, ClosingShowsTheChosenTeamInTheMainWindow) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "button");
    YearApp app;
    mv::frmJahresansicht& y = OpenYear(app, 2026);
    y.cmb_Team.UserSelect(1);
    closeBox ? y.UserClose() : y.cmd_Close.UserClick();
    mv::frmKalender& k = Main(app);
    EXPECT_FALSE(app.overview().frmJahresansicht.IsLoaded());
    EXPECT_TRUE(k.Enabled() && k.IsActive());
    EXPECT_EQ(k.cmbTeamAuswahl.Text(), "Vertrieb");
    EXPECT_EQ(k.cmbMonat.Text(), "Dezember");
    EXPECT_EQ(k.grdCal.TextMatrix(0, 1), "Vertrieb");
    EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Dorn, Dora");
    EXPECT_EQ(k.grdCal.Rows(), 5);
  }
}

// A user whose team number has no team (its table shrank) opens on the first team.
TEST(YearWindow, ATeamBeyondTheListOpensOnTheFirstTeam) {
  YearApp app;
  app.AddEmployee(40, "Fern", "Fritz", 7);
  Prepare(app);
  app.EnterAs(40, mv::GroupAdmin).mnuJahresübersicht.UserClick();
  mv::frmJahresansicht& y = app.overview().frmJahresansicht.Get();
  EXPECT_EQ(y.cmb_Team.Text(), "Entwicklung");
  EXPECT_EQ(y.grdYear.TextMatrix(4, 0), "Adam, K.");
  y.cmd_Close.UserClick();
  EXPECT_EQ(Main(app).cmbTeamAuswahl.Text(), "Entwicklung");
}

// One message per opening, with the database's reason; the window ends usable.
TEST(YearWindow, AFailingBuildIsReportedAndLeavesTheWindowUsable) {
  YearApp app;
  SetToday(app, 2026, 12, 6);
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  app.Sql("DROP TABLE tbl_Kalender");
  app.platform.ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) {
        return r.Prompt.find("tbl_Kalender") != r.Prompt.npos;
      },
      forms::vbOK);
  BuildRecorder recorder(app);
  k.mnuJahresübersicht.UserClick();
  mv::frmJahresansicht& y = app.overview().frmJahresansicht.Get();
  EXPECT_TRUE(recorder.progressShown);
  EXPECT_TRUE(y.Enabled());
  EXPECT_EQ(y.MousePointer(), forms::vbArrow);
  EXPECT_FALSE(y.fmProgress.Visible());
  EXPECT_EQ(y.lbl_AnzUgesamt.Caption(), "0");
}

}  // namespace
