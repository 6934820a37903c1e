// Team management: the grid of teams and members, the Move button, the double click on a member,
// the refusal of a twenty-first team and the ways out.
#include "masterdata/TeamsTestSupport.h"

namespace {

using namespace teamtest;

// A press on one member and a drag into the next team keeps the selection in the column under the
// mouse.
TEST(TeamsWindow, ShowsEachTeamInAColumnWithItsMembersAndMoveFollowsTheClickedCell) {
  TeamsApp app;
  mv::frmTeams& t = app.Open();
  forms::Grid& g = t.grdTeams;
  mv::frmKalender& k = *app.calendar().frmKalender;
  EXPECT_FALSE(k.Enabled());
  EXPECT_EQ(k.lbl_Status.Caption(), "Bestehende Teams insgesamt: 3 / 20");
  ASSERT_EQ(g.Cols(), 4);
  EXPECT_EQ(Column(g, 0), (Texts{"", "1", "2", "3", "4", "5"}));
  EXPECT_EQ(Column(g, 1),
            (Texts{"Entwicklung", "Adam, Karl\r11", "Berg, Lena\r10", "Zoller, Eva\r12", "", ""}));
  EXPECT_EQ(Column(g, 2)[5], "Hahn, V\r25");
  EXPECT_EQ(Column(g, 3), (Texts{"Leer", "", "", "", "", ""}));

  const struct {
    int row, col;
    bool enabled;
  } clicks[] = {{2, 1, true},  {0, 2, false}, {2, 2, true},  {3, 0, false}, {1, 1, true},
                {4, 1, false}, {5, 2, true},  {1, 3, false}, {1, 1, true}};
  for (const auto& click : clicks) {
    g.UserClick(click.row, click.col);
    EXPECT_EQ(t.cmd_Move.Enabled(), click.enabled) << click.row << "," << click.col;
  }

  g.UserPress(1, 1);
  g.UserMove(2, 2, forms::vbLeftButton);
  g.UserMove(4, 2, forms::vbLeftButton);
  g.UserRelease(4, 2);
  EXPECT_EQ(g.ColSel(), 2);
  EXPECT_EQ(t.SelectedEmployees(), (std::vector<long>{21, 22, 23, 24}));
}

// The card opens on the member double-clicked; its close box hands control back to team
// management, rebuilt, while the main window stays disabled.
TEST(TeamsWindow, DoubleClickOnAMemberOpensTheCardOnHim) {
  TeamsApp app;
  mv::frmTeams& t = app.Open();
  for (auto [r, c] : {std::pair{0, 1}, {3, 0}, {4, 1}}) t.grdTeams.UserDoubleClick(r, c);
  EXPECT_FALSE(app.masterdata().frmMitarbeiter->Visible());
  EXPECT_TRUE(t.Enabled());
  t.grdTeams.UserDoubleClick(3, 2);
  mv::frmMitarbeiter& card = *app.masterdata().frmMitarbeiter;
  EXPECT_TRUE(card.Visible());
  EXPECT_EQ(card.txt_PersNr.Text(), "23");
  EXPECT_EQ(app.s().CurrentPersNr, 23);
  EXPECT_FALSE(t.Enabled());

  app.AddEmployee(26, "Ihle", "V", 1);  // written meanwhile: the team grid shows him after the card
  card.UserClose();
  EXPECT_FALSE(app.masterdata().frmMitarbeiter.IsLoaded());
  EXPECT_TRUE(t.Enabled());
  EXPECT_TRUE(t.IsActive());
  EXPECT_EQ(Column(t.grdTeams, 2)[6], "Ihle, V\r26");
  EXPECT_FALSE(app.calendar().frmKalender->Enabled());
}

// Twenty teams or more refuse a new one; beyond the program's own limits (written by another
// program) the grid grows with the data. Without teams only New works.
TEST(TeamsWindow, NewOpensUpToTheTwentiethTeamAndWithoutTeamsOnlyNewWorks) {
  for (int teams : {19, 20, 22}) {
    TeamsApp app;
    for (int nr = 3; nr < teams; ++nr) app.AddTeam(nr, "T" + std::to_string(nr));
    for (long p = 100; p < 134; ++p) app.AddEmployee(p, "M", std::to_string(p), 18);
    mv::frmTeams& t = app.Open();
    EXPECT_EQ(t.TeamCellPersNr.At(34, 19), 133);
    if (teams >= 20) app.platform.ExpectMessageBox(app.s().T(148), forms::vbOK);
    t.cmd_New.UserClick();
    EXPECT_EQ(app.Dialog().Visible(), teams < 20) << teams;
    EXPECT_EQ(t.Enabled(), teams >= 20) << teams;
  }

  TeamsApp app;
  app.Sql("DELETE FROM tbl_Teams; DELETE FROM tbl_Mitarbeiter WHERE PersNr <> 12");
  mv::frmTeams& t = app.Open();
  EXPECT_EQ(t.grdTeams.Cols(), 1);
  EXPECT_EQ(t.grdTeams.Rows(), 1);
  for (forms::CommandButton* b : {&t.cmd_Edit, &t.cmd_Delete}) {
    b->UserClick();
    EXPECT_FALSE(app.Dialog().Visible());
  }
  t.cmd_New.UserClick();
  app.Dialog().cmd_OK.UserClick();
  EXPECT_EQ(app.TeamTable(), (Rows{{"0", "Tessavor", "1"}}));
  EXPECT_EQ(Column(t.grdTeams, 1), (Texts{"Tessavor", "Zoller, Eva\r12"}));
}

TEST(TeamsWindow, CloseAndTheCloseBoxRefillTheTeamListsAndHandBackTheMainWindow) {
  for (bool closeBox : {false, true}) {
    TeamsApp app;
    mv::frmTeams& t = app.Open();
    app.AddTeam(3, "Neu");
    closeBox ? t.UserClose() : t.cmd_Close.UserClick();
    EXPECT_EQ(app.masterdata().frmTeams.IsLoaded(), !closeBox);
    mv::frmKalender& k = *app.calendar().frmKalender;
    const Texts teams = {"Entwicklung", "Vertrieb", "Leer", "Neu"};
    EXPECT_EQ(caltest::Entries(k.cmbTeamAuswahl), teams);
    EXPECT_EQ(caltest::Entries(app.masterdata().frmMitarbeiter->cmb_Team), teams);
    EXPECT_EQ(k.cmbTeamAuswahl.Text(), "Entwicklung");
    EXPECT_TRUE(k.IsActive());
  }
}

}  // namespace
