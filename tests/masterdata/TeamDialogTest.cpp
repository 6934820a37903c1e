// The team dialog: new, edit, delete and move, their refusals, the limit controls, and what the
// main window shows afterwards.
#include "masterdata/TeamsTestSupport.h"

namespace {

using namespace teamtest;

// A name that a team has once its outer blanks are removed is refused (maxAbw empty). The box
// holds what the table holds; an older file whose table holds less refuses in words.
TEST(TeamDialog, NewTeamIsAppendedWithItsNameAsTypedAndItsLimit) {
  for (const auto& [name, untick, slide, maxAbw] : {std::tuple{"  Lager ", false, -1, "1"},
                                                    {"O'Neill", true, -1, "30"},
                                                    {"Lager", false, 0, "1"},
                                                    {"Lager", false, 7, "7"},
                                                    {" vertrieb  ", false, -1, ""}}) {
    TeamsApp app;
    mv::frmTeams& t = app.Open();
    mv::frmBearbeitenTeam& d = app.Dialog();
    t.cmd_New.UserClick();
    d.txt_Name.UserSetText("   ");
    EXPECT_FALSE(d.cmd_OK.Enabled());
    d.txt_Name.UserSetText(name);
    if (untick) d.chk_MaxAbw.UserClick();
    if (slide >= 0) d.sld_Anzahl.UserSlide(slide);
    const bool refused = *maxAbw == 0;
    if (refused) app.platform.ExpectMessageBox(app.s().T(141), forms::vbOK);
    d.cmd_OK.UserClick();
    EXPECT_EQ(d.Visible(), refused);
    const Texts last = refused ? Texts{"2", "Leer", "30"} : Texts{"3", name, maxAbw};
    EXPECT_EQ(app.TeamTable().back(), last);
    EXPECT_EQ(t.grdTeams.Cols(), refused ? 4 : 5);
  }

  TeamsApp app;
  app.Sql(
      "ALTER TABLE tbl_Teams RENAME TO t; CREATE TABLE tbl_Teams (TeamNr INTEGER, TeamName TEXT "
      "CHECK (length(TeamName) <= 20), MaxAbw INTEGER); INSERT INTO tbl_Teams SELECT * FROM t");
  app.Open().cmd_New.UserClick();
  mv::frmBearbeitenTeam& d = app.Dialog();
  d.txt_Name.UserSetText(std::string(300, 'x'));
  EXPECT_EQ(d.txt_Name.Text(), std::string(255, 'x'));
  app.ExpectBoxNaming("zu lang");
  d.cmd_OK.UserClick();
  EXPECT_TRUE(d.Visible());
  EXPECT_EQ(app.TeamTable().size(), 3u);
}

// Limits of 40 and 0, written by another program, show as the nearest allowed; Abort changes
// nothing, and team management, active again, has Move disabled. Two teams that come to share a
// name are then edited each on its own.
TEST(TeamDialog, LimitControlsFollowTheLoadedTeamAndTeamsSharingANameAreEditedApart) {
  TeamsApp app;
  app.Sql(
      "UPDATE tbl_Teams SET MaxAbw = 40 WHERE TeamNr = 0; UPDATE tbl_Teams SET MaxAbw = 4 "
      "WHERE TeamNr = 1; UPDATE tbl_Teams SET MaxAbw = 0 WHERE TeamNr = 2");
  mv::frmTeams& t = app.Open();
  mv::frmBearbeitenTeam& d = app.Dialog();
  const Rows teams = app.TeamTable();
  for (auto [button, team, ticked, shown, enabled] : {std::tuple{&t.cmd_Edit, 0, 0, "30", false},
                                                      {&t.cmd_Edit, 2, 1, "1", true},
                                                      {&t.cmd_Delete, 1, 1, "4", false}}) {
    SCOPED_TRACE(team);
    t.grdTeams.UserClick(1, 1);
    button->UserClick();
    d.cmb_Teams.UserSelect(team);
    EXPECT_EQ(d.chk_MaxAbw.Value(), ticked);
    EXPECT_EQ(d.lbl_Anzahl.Caption(), shown);
    EXPECT_EQ(d.sld_Anzahl.Enabled(), enabled);
    d.txt_Name.UserSetText("Anders");
    d.cmd_Abort.UserClick();
    EXPECT_TRUE(t.IsActive());
    EXPECT_FALSE(t.cmd_Move.Enabled());
  }
  EXPECT_EQ(app.TeamTable(), teams);

  Act(t.cmd_Edit, d, 2, [&] { d.txt_Name.UserSetText("Vertrieb"); });
  for (int team : {2, 1}) {
    Act(t.cmd_Edit, d, team, [&] {
      d.txt_Name.UserSetText("Team " + std::to_string(team));
      d.sld_Anzahl.UserSlide(team + 4);
    });
  }
  EXPECT_EQ(app.TeamTable(),
            (Rows{{"0", "Entwicklung", "40"}, {"1", "Team 1", "5"}, {"2", "Team 2", "6"}}));
}

// Everyone is in "Vertrieb" (team 1), Zoller's own team; the main window shows team `shown`.
TEST(TeamDialog, DeleteRenumbersTheLaterTeamsAndTheMainWindowKeepsItsTeam) {
  const struct {
    int shown, deleted;
    Texts teams;
    int members, current, own;  // TeamNr of everyone, CurrentTeam, UserTeam afterwards
  } cases[] = {{1, 0, {"Vertrieb", "Leer"}, 0, 0, 0},
               {2, 2, {"Entwicklung", "Vertrieb"}, 1, 0, 1},
               {2, 0, {"Vertrieb", "Leer"}, 0, 1, 0},
               {0, 1, {"Entwicklung", "Vertrieb", "Leer"}, 1, 0, 1}};  // refused: members
  for (const auto& c : cases) {
    TeamsApp app;
    app.Sql("UPDATE tbl_Mitarbeiter SET TeamNr = 1");
    mv::frmKalender& k = caltest::Enter(app, 12, mv::GroupAdmin);
    k.cmbTeamAuswahl.UserSelect(c.shown);
    k.UserShortcut("Ctrl+T");
    const bool refused = c.teams.size() == 3;
    if (refused) app.platform.ExpectMessageBox(app.s().T(142), forms::vbOK);
    Act(app.Teams().cmd_Delete, app.Dialog(), c.deleted);
    EXPECT_EQ(app.Dialog().Visible(), refused);
    for (std::size_t nr = 0; nr < c.teams.size(); ++nr)
      EXPECT_EQ(app.TeamTable()[nr], (Texts{std::to_string(nr), c.teams[nr], "30"}));
    EXPECT_EQ(app.Scalar("SELECT max(TeamNr) + min(TeamNr) FROM tbl_Mitarbeiter"), 2 * c.members);
    EXPECT_EQ(app.s().CurrentTeam, c.current);
    EXPECT_EQ(app.s().UserTeam, c.own);
    EXPECT_EQ(k.cmbTeamAuswahl.Text(), c.teams[c.current]);
    EXPECT_EQ(k.grdCal.TextMatrix(0, 1), c.teams[c.current]);
  }
}

// Teams are listed by number, whatever order they are stored in. A team that another copy deleted
// or renumbered while the dialog was open is refused at OK and when it is loaded: nothing is
// written, and team management and the list are read again.
TEST(TeamDialog, TheTeamActedOnIsTheTeamListedWhateverTheStorageOrderOrAnotherCopy) {
  TeamsApp app;
  app.Sql("DELETE FROM tbl_Teams WHERE TeamNr = 1; UPDATE tbl_Mitarbeiter SET TeamNr = 3");
  app.AddTeam(3, "Vier");
  app.AddTeam(1, "Vertrieb");
  mv::frmTeams& t = app.Open();
  EXPECT_EQ(app.calendar().frmKalender->cmbTeamAuswahl.List(1), "Vertrieb");
  mv::frmBearbeitenTeam& d = app.Dialog();
  Act(t.cmd_Delete, d, 2);
  EXPECT_EQ(d.cmb_Teams.Text(), "Leer");
  EXPECT_EQ(app.TeamTable(),
            (Rows{{"0", "Entwicklung", "30"}, {"2", "Vier", "30"}, {"1", "Vertrieb", "30"}}));
  EXPECT_EQ(app.Scalar("SELECT min(TeamNr) FROM tbl_Mitarbeiter"), 2);

  const std::string deleteTeam0 =
      "DELETE FROM tbl_Teams WHERE TeamNr = 0; UPDATE tbl_Teams SET TeamNr = TeamNr - 1; "
      "UPDATE tbl_Mitarbeiter SET TeamNr = TeamNr - 1";
  t.grdTeams.UserClick(2, 3);  // Berg
  // "Vier", which becomes team 1; team 2 is then "Neu"
  Act(t.cmd_Move, d, 2, [&] {
    app.Sql(deleteTeam0);
    app.AddTeam(2, "Neu");
    app.ExpectBoxNaming("nicht mehr aktuell");
  });
  EXPECT_EQ(app.Scalar("SELECT max(TeamNr) FROM tbl_Mitarbeiter"), 1);
  EXPECT_EQ(t.grdTeams.Cols(), 4);
  EXPECT_EQ(d.cmb_Teams.ListCount(), 3);
  app.Sql(deleteTeam0);
  app.ExpectBoxNaming("nicht mehr aktuell");
  d.cmb_Teams.UserSelect(1);  // "Vier", now team 0: team 1 is "Neu"
  EXPECT_EQ(d.cmb_Teams.ListCount(), 2);
  EXPECT_FALSE(d.cmd_OK.Enabled());
  d.cmb_Teams.UserSelect(1);
  d.cmd_OK.UserClick();
  EXPECT_EQ(app.Scalar("SELECT PersNr FROM tbl_Mitarbeiter WHERE TeamNr = 1"), 10);
}

TEST(TeamDialog, AFailureInTheMiddleOfADeleteKeepsNothingAndIsShown) {
  TeamsApp app;
  app.Sql("UPDATE tbl_Mitarbeiter SET TeamNr = 2 WHERE TeamNr = 0");
  app.Sql(
      "CREATE TRIGGER full_disk BEFORE UPDATE ON tbl_Mitarbeiter WHEN OLD.PersNr = 24 "
      "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
  const Rows teams = app.TeamTable(), members = app.TeamsOf();
  mv::frmTeams& t = app.Open();
  app.ExpectBoxNaming("disk is full");
  Act(t.cmd_Delete, app.Dialog(), 0);
  EXPECT_EQ(app.TeamTable(), teams);
  EXPECT_EQ(app.TeamsOf(), members);
  EXPECT_TRUE(app.Dialog().Visible());
  EXPECT_EQ(app.s().CurrentTeam, 2);
}

// A press on the team's name selects its whole column, empty cells included; released over a
// member, it enables Move.
TEST(TeamDialog, MoveTakesTheShownEmployeesOfTheSelectionUpToThirty) {
  for (int before : {27, 28}) {
    TeamsApp app;
    for (int p = 0; p < before; ++p) app.AddEmployee(300 + p, "Ziel", std::to_string(p), 2);
    mv::frmTeams& t = app.Open();
    t.grdTeams.UserPress(0, 1);
    t.grdTeams.UserMove(2, 1, forms::vbLeftButton);
    t.grdTeams.UserRelease(2, 1);
    const bool done = before == 27;
    if (!done) app.platform.ExpectMessageBox(app.s().T(147), forms::vbOK);
    Act(t.cmd_Move, app.Dialog(), 2);
    EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Mitarbeiter WHERE TeamNr = 2"),
              done ? 30 : before);
    EXPECT_EQ(app.Dialog().Visible(), !done);
  }
}

}  // namespace
