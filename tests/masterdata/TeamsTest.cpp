// Team management and its dialog on "Entwicklung" (team 0: Adam 11, Berg 10, Zoller 12), "Vertrieb"
// (team 1: Dorn 21, Ernst 22, Fink 23, Graf 24, Hahn 25) and "Leer" (team 2, no members).
#include <functional>
#include <string>
#include <vector>

#include "calendar/CalendarTestSupport.h"
#include "masterdata/frmBearbeitenTeam.h"
#include "masterdata/frmMitarbeiter.h"
#include "masterdata/frmTeams.h"

namespace {

using namespace caltest;
using Texts = std::vector<std::string>;

struct TeamsApp : CalendarApp {
  TeamsApp() {
    for (long p = 22; p <= 25; ++p)
      AddEmployee(p, Texts{"Ernst", "Fink", "Graf", "Hahn"}[p - 22], "V", 1);
  }
  mv::frmTeams& Teams() { return *masterdata().frmTeams; }
  mv::frmBearbeitenTeam& Dialog() { return *masterdata().frmBearbeitenTeam; }
  Rows TeamTable() {
    return Query("SELECT TeamNr, TeamName, MaxAbw FROM tbl_Teams ORDER BY rowid");
  }
  // Zoller, an administrator, logs in and opens team management with Ctrl+T.
  mv::frmTeams& Open() {
    Enter(*this, 12, mv::GroupAdmin).UserShortcut("Ctrl+T");
    return Teams();
  }
};

Texts Column(const forms::Grid& g, int col) {
  Texts texts;
  for (int r = 0; r < g.Rows(); ++r) texts.push_back(g.TextMatrix(r, col));
  return texts;
}

// Opens the dialog by the button, picks the list entry, does `before` and presses OK.
void Act(forms::CommandButton& button, mv::frmBearbeitenTeam& d, int team,
         const std::function<void()>& before = {}) {
  button.UserClick();
  d.cmb_Teams.UserSelect(team);
  if (before) before();
  d.cmd_OK.UserClick();
}

// A press on one member and a drag into the next team keeps the selection in the column under the
// mouse.
TEST(TeamsWindow, ShowsEachTeamInAColumnAndADragSelectsInTheColumnUnderTheMouse) {
  TeamsApp app;
  mv::frmTeams& t = app.Open();
  forms::Grid& g = t.grdTeams;
  EXPECT_EQ(app.calendar().frmKalender->lbl_Status.Caption(), "Bestehende Teams insgesamt: 3 / 20");
  ASSERT_EQ(g.Cols(), 4);
  EXPECT_EQ(Column(g, 1),
            (Texts{"Entwicklung", "Adam, Karl\r11", "Berg, Lena\r10", "Zoller, Eva\r12", "", ""}));
  EXPECT_EQ(Column(g, 2)[5], "Hahn, V\r25");

  g.UserPress(1, 1);
  g.UserMove(2, 2, forms::vbLeftButton);
  g.UserMove(4, 2, forms::vbLeftButton);
  g.UserRelease(4, 2);
  EXPECT_EQ(t.SelectedEmployees(), (std::vector<long>{21, 22, 23, 24}));
}

// The card opens on the member double-clicked; its close box hands back team management, rebuilt,
// whose close refills the team lists and hands back the main window.
TEST(TeamsWindow, DoubleClickOnAMemberOpensTheCardOnHimAndClosingRefillsTheTeamLists) {
  TeamsApp app;
  mv::frmTeams& t = app.Open();
  for (auto [r, c] : {std::pair{0, 1}, {3, 0}, {4, 1}}) t.grdTeams.UserDoubleClick(r, c);
  EXPECT_FALSE(app.masterdata().frmMitarbeiter->Visible());
  t.grdTeams.UserDoubleClick(3, 2);
  mv::frmMitarbeiter& card = *app.masterdata().frmMitarbeiter;
  EXPECT_EQ(card.txt_PersNr.Text(), "23");

  app.AddEmployee(26, "Ihle", "V", 1);  // written meanwhile: the team grid shows him after the card
  card.UserClose();
  EXPECT_TRUE(t.IsActive());
  EXPECT_EQ(Column(t.grdTeams, 2)[6], "Ihle, V\r26");
  mv::frmKalender& k = *app.calendar().frmKalender;
  EXPECT_FALSE(k.Enabled());

  app.AddTeam(3, "Neu");
  t.UserClose();
  EXPECT_FALSE(app.masterdata().frmTeams.IsLoaded());
  const Texts teams = {"Entwicklung", "Vertrieb", "Leer", "Neu"};
  EXPECT_EQ(Entries(k.cmbTeamAuswahl), teams);
  EXPECT_EQ(Entries(app.masterdata().frmMitarbeiter->cmb_Team), teams);
  EXPECT_TRUE(k.IsActive());
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
  }

  TeamsApp app;
  app.Sql("DELETE FROM tbl_Teams; DELETE FROM tbl_Mitarbeiter WHERE PersNr <> 12");
  mv::frmTeams& t = app.Open();
  for (forms::CommandButton* b : {&t.cmd_Edit, &t.cmd_Delete}) {
    b->UserClick();
    EXPECT_FALSE(app.Dialog().Visible());
  }
  t.cmd_New.UserClick();
  app.Dialog().cmd_OK.UserClick();
  EXPECT_EQ(app.TeamTable(), (Rows{{"0", "Tessavor", "1"}}));
}

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
  app.ExpectBoxNaming("zu lang");
  d.cmd_OK.UserClick();
  EXPECT_EQ(app.TeamTable().size(), 3u);
}

// Limits of 40 and 0, written by another program, show as the nearest allowed; Abort changes
// nothing. Two teams that come to share a name are then edited each on its own.
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
    button->UserClick();
    d.cmb_Teams.UserSelect(team);
    EXPECT_EQ(d.chk_MaxAbw.Value(), ticked);
    EXPECT_EQ(d.lbl_Anzahl.Caption(), shown);
    EXPECT_EQ(d.sld_Anzahl.Enabled(), enabled);
    EXPECT_EQ(d.chk_MaxAbw.Enabled(), button == &t.cmd_Edit);
    d.txt_Name.UserSetText("Anders");
    d.cmd_Abort.UserClick();
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
    mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
    k.cmbTeamAuswahl.UserSelect(c.shown);
    k.UserShortcut("Ctrl+T");
    const bool refused = c.teams.size() == 3;
    if (refused) app.platform.ExpectMessageBox(app.s().T(142), forms::vbOK);
    Act(app.Teams().cmd_Delete, app.Dialog(), c.deleted);
    for (std::size_t nr = 0; nr < c.teams.size(); ++nr)
      EXPECT_EQ(app.TeamTable()[nr], (Texts{std::to_string(nr), c.teams[nr], "30"}));
    EXPECT_EQ(app.Scalar("SELECT max(TeamNr) + min(TeamNr) FROM tbl_Mitarbeiter"), 2 * c.members);
    EXPECT_EQ(app.s().UserTeam, c.own);
    EXPECT_EQ(k.cmbTeamAuswahl.Text(), c.teams[c.current]);
    EXPECT_EQ(k.grdCal.TextMatrix(0, 1), c.teams[c.current]);
  }
}

// Teams are listed by number, whatever order they are stored in. A team that another copy deleted
// or renumbered while the dialog was open is refused at OK: nothing is written, and team management
// and the list are read again.
TEST(TeamDialog, TheTeamActedOnIsTheTeamListedWhateverTheStorageOrderOrAnotherCopy) {
  TeamsApp app;
  app.Sql("DELETE FROM tbl_Teams WHERE TeamNr = 1; UPDATE tbl_Mitarbeiter SET TeamNr = 3");
  app.AddTeam(3, "Vier");
  app.AddTeam(1, "Vertrieb");
  mv::frmTeams& t = app.Open();
  EXPECT_EQ(app.calendar().frmKalender->cmbTeamAuswahl.List(1), "Vertrieb");
  mv::frmBearbeitenTeam& d = app.Dialog();
  Act(t.cmd_Delete, d, 2);
  EXPECT_EQ(app.TeamTable(),
            (Rows{{"0", "Entwicklung", "30"}, {"2", "Vier", "30"}, {"1", "Vertrieb", "30"}}));
  EXPECT_EQ(app.Scalar("SELECT min(TeamNr) FROM tbl_Mitarbeiter"), 2);

  t.grdTeams.UserClick(2, 3);  // Berg
  // "Vier", which another copy renumbers to team 1; team 2 is then "Neu"
  Act(t.cmd_Move, d, 2, [&] {
    app.Sql(
        "DELETE FROM tbl_Teams WHERE TeamNr = 0; UPDATE tbl_Teams SET TeamNr = TeamNr - 1; "
        "UPDATE tbl_Mitarbeiter SET TeamNr = TeamNr - 1");
    app.AddTeam(2, "Neu");
    app.ExpectBoxNaming("nicht mehr aktuell");
  });
  EXPECT_EQ(app.Scalar("SELECT max(TeamNr) FROM tbl_Mitarbeiter"), 1);
  EXPECT_EQ(d.cmb_Teams.ListCount(), 3);
  // The rebuilt list starts at its first cell: no old selection points at another employee.
  EXPECT_EQ((std::pair{t.grdTeams.Row(), t.grdTeams.Col()}), (std::pair{1, 1}));
}

}  // namespace
