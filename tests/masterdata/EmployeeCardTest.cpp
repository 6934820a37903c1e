// The employee card as it opens, shows, browses, searches and closes, by the rights of each group.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CardTestSupport.h"
#include "masterdata/frmTeams.h"

namespace {

using namespace cardtest;

std::vector<std::string> Listed(const forms::ListBox& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
  return entries;
}

TEST(EmployeeCard, OpensOnTheEmployeeUnderThePointerAndClosesBackToItsOpener) {
  CalendarApp app;
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  main.grdCal.UserMove(BergRow, 0);
  main.grdCal.UserDoubleClick(BergRow, 0);
  mv::frmMitarbeiter& card = *app.masterdata().frmMitarbeiter.IfLoaded();

  EXPECT_TRUE(card.IsActive());
  EXPECT_FALSE(main.Enabled());
  EXPECT_EQ(Fields(card), "2|10|Berg|Lena|*|*|Entwicklung|25");
  EXPECT_EQ(card.Caption() + "|" + card.lbl_PersNr.Caption() + "|" + card.cmd_Login.Caption(),
            "Mitarbeiterdaten bearbeiten|Personalnummer|Anmeldung / Berechtigungen");
  EXPECT_EQ(card.txt_Nachname.ForeColor(), Yellow);
  EXPECT_FALSE(card.txt_PersNr.Enabled());
  EXPECT_EQ(main.lbl_Status.Caption(), "Gesamtanzahl Mitarbeiter: 4");
  EXPECT_EQ(main.cmbTeamAuswahl.Text(), "Entwicklung");

  card.cmd_Close.UserClick();
  EXPECT_TRUE(main.IsActive());
  EXPECT_FALSE(app.s().RsMitarbeiter.IsOpen());

  // Opened by team management, the card gives control back to it; the main window waits for it.
  mv::frmTeams& teams = app.masterdata().frmTeams.Get();
  teams.Show();
  teams.SetEnabled(false);
  main.mnuKartei_Click();
  card.UserClose();
  EXPECT_TRUE(teams.IsActive());
  EXPECT_FALSE(main.Enabled());
  EXPECT_FALSE(app.masterdata().frmMitarbeiter.IsLoaded());
  teams.Hide();
  main.SetEnabled(true);

  // Nobody pointed at: the first employee becomes the current one. The rebuilt card has its tips.
  app.s().CurrentPersNr = 0;
  mv::frmMitarbeiter& rebuilt = OpenCard(app, main);
  EXPECT_EQ(Fields(rebuilt), "1|11|Adam|Karl|*|*|Entwicklung|30");
  EXPECT_EQ(app.s().CurrentPersNr, 11);
  EXPECT_EQ(rebuilt.cmd_Search.ToolTipText(), "Datensatz suchen");
}

TEST(EmployeeCard, NavigationStopsAtBothEnds) {
  CalendarApp app;
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  app.s().CurrentPersNr = 10;
  mv::frmMitarbeiter& card = OpenCard(app, main);
  const struct {
    forms::CommandButton* button;
    long shown;
    std::string status;
  } steps[] = {
      {&card.cmd_FirstRS, 11, "Erster Datensatz"}, {&card.cmd_PreviousRS, 11, "Erster Datensatz"},
      {&card.cmd_NextRS, 10, "Erster Datensatz"},  {&card.cmd_LastRS, 21, "Letzter Datensatz"},
      {&card.cmd_NextRS, 21, "Letzter Datensatz"}, {&card.cmd_PreviousRS, 12, "Letzter Datensatz"},
      {&card.cmd_LastRS, 21, "Letzter Datensatz"}, {&card.cmd_FirstRS, 11, "Erster Datensatz"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.button->Name());
    step.button->UserClick();
    EXPECT_EQ(card.txt_PersNr.Text(), std::to_string(step.shown));
    EXPECT_EQ(app.s().CurrentPersNr, step.shown);
    EXPECT_EQ(main.lbl_Status.Caption(), step.status);
  }
}

// Cancel keeps the search in force, or lists everyone when none is; the card keeps its record, and
// Save after a search still writes the employee it shows.
TEST(EmployeeCard, SearchListsTheMatchesInLastNameOrder) {
  CalendarApp app;
  app.AddEmployee(120, "Fuchs", "Max", 1, 30, "1299");
  app.AddEmployee(31, "Kranz", "Udo", 1);
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  app.s().CurrentPersNr = 21;
  mv::frmMitarbeiter& card = OpenCard(app, main);
  for (const std::optional<std::string>& term :
       {std::optional<std::string>("12"), std::optional<std::string>()}) {
    app.platform.QueueInputBox(term);
    card.cmd_Search.UserClick();
    EXPECT_EQ(Listed(card.lst_Results), (std::vector<std::string>{"Fuchs, Max", "Zoller, Eva"}));
  }
  EXPECT_EQ(app.platform.InputBoxes().back().Request.Prompt, "Bitte Suchbegriff eingeben:");
  EXPECT_EQ(card.lbl_ErgAnzahl.Caption(), "2  Einträge gefunden");
  EXPECT_EQ(card.Width(), 10155);
  EXPECT_FALSE(card.cmd_NextRS.Enabled());
  Retype(card.txt_Telefon, "0711");
  card.cmd_Save.UserClick();
  EXPECT_EQ(app.Query("SELECT PersNr FROM tbl_Mitarbeiter WHERE TelNr = '0711'"), (Rows{{"21"}}));

  card.cmd_CloseList.UserClick();
  EXPECT_EQ(card.Width(), 6465);
  app.platform.QueueInputBox(std::nullopt);
  card.cmd_Search.UserClick();
  EXPECT_EQ(Listed(card.lst_Results),
            (std::vector<std::string>{"Adam, Karl", "Berg, Lena", "Dorn, Dora", "Fuchs, Max",
                                      "Kranz, Udo", "Zoller, Eva"}));
  card.lst_Results.UserClick(4);
  EXPECT_EQ(card.txt_Nachname.Text(), "Kranz");
  // Browsing goes on in last-name order from the employee shown.
  card.cmd_CloseList.UserClick();
  card.cmd_NextRS.UserClick();
  EXPECT_EQ(card.txt_Nachname.Text(), "Zoller");

  app.platform.ExpectMessageBox("Suche Ergebnislos beendet", forms::vbOK);
  app.platform.QueueInputBox("xyz");
  card.cmd_Search.UserClick();
  EXPECT_FALSE(card.lst_Results.Visible());
  EXPECT_TRUE(card.cmd_NextRS.Enabled());
}

TEST(EmployeeCard, AnEmployeeSeesOnlyHisRecordAndChangesPhoneMailAndPassword) {
  CalendarApp app;
  app.AddLogin(21, "dorn", "pw", mv::GroupEmployee);
  mv::frmKalender& main = Enter(app, 21, mv::GroupEmployee);
  mv::frmMitarbeiter& card = OpenCard(app, main);
  EXPECT_EQ(Fields(card), "4|21|Dorn|Dora|*|*|Vertrieb|30");
  for (forms::Control* c : std::vector<forms::Control*>{
           &card.cmd_FirstRS, &card.cmd_PreviousRS, &card.cmd_Search, &card.cmd_NextRS,
           &card.cmd_LastRS, &card.cmd_Delete, &card.cmd_Neu, &card.txt_Nachname, &card.txt_Vorname,
           &card.cmb_Team, &card.txt_UTage})
    EXPECT_FALSE(c->AcceptsInput()) << c->Name();
  card.txt_Telefon.UserSetText("");
  card.txt_Telefon.UserType("0711");
  card.txt_Mail.UserSetText("");
  card.txt_Mail.UserType("d@x.de");
  card.cmd_Save.UserClick();
  EXPECT_EQ(app.Query("SELECT TelNr, Mail, Nachname FROM tbl_Mitarbeiter WHERE PersNr = 21"),
            (Rows{{"0711", "d@x.de", "Dorn"}}));
  card.cmd_Login.UserClick();
  mv::frmBenutzer& dialog = LoginDialog(app);
  EXPECT_EQ(Entries(dialog.cmb_Gruppe), (std::vector<std::string>{"Mitarbeiter"}));
  EXPECT_FALSE(dialog.cmb_Gruppe.AcceptsInput() || dialog.txt_LoginID.AcceptsInput());
  Retype(dialog.txt_Passwort, "neu");
  dialog.cmd_OK.UserClick();
  EXPECT_EQ(Logins(app).back(), (std::vector<std::string>{"21", "dorn", "neu", "3"}));
  card.cmd_Close.UserClick();

  // An administrator logging in later in the same run finds every button and field usable again.
  EXPECT_TRUE(main.UserShortcut("Ctrl+L"));
  mv::frmMitarbeiter& again = OpenCard(app, *app.LoginAs("zoller", "pw"));
  for (forms::Control* c : std::vector<forms::Control*>{&again.cmd_Search, &again.cmd_Neu,
                                                        &again.txt_Nachname, &again.cmb_Team})
    EXPECT_TRUE(c->AcceptsInput()) << c->Name();
}

// An empty tbl_Mitarbeiter leaves every button but New harmless; a team outside the list stays
// unselected, and such a record is not saved.
TEST(EmployeeCard, CopesWithAnEmptyTableAndAnUnknownTeam) {
  CalendarApp app;
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  app.Sql("UPDATE tbl_Mitarbeiter SET TeamNr = 7 WHERE PersNr = 10");
  app.s().CurrentPersNr = 10;
  mv::frmMitarbeiter& card = OpenCard(app, main);
  EXPECT_EQ(Fields(card), "2|10|Berg|Lena|*|*||25");
  ExpectMessageWith(app, "Bitte ein Team auswählen!");
  card.cmd_Save.UserClick();
  card.cmd_Close.UserClick();

  app.Sql("DELETE FROM tbl_Mitarbeiter");
  OpenCard(app, main);
  EXPECT_EQ(Fields(card), "|||||||");
  for (forms::CommandButton* b :
       {&card.cmd_FirstRS, &card.cmd_PreviousRS, &card.cmd_NextRS, &card.cmd_LastRS,
        &card.cmd_Search, &card.cmd_Save, &card.cmd_Delete})
    b->UserClick();
  EXPECT_EQ(Fields(card), "|||||||");
  EXPECT_EQ(app.platform.MessageBoxes().size(), 1u);
  card.cmd_Neu.UserClick();
  card.txt_PersNr.UserType("1");
  card.txt_Nachname.UserType("Erste");
  card.txt_Vorname.UserType("Anna");
  card.cmd_Save.UserClick();
  EXPECT_EQ(LoginDialog(app).txt_LoginID.Text(), "erste1");
}

}  // namespace
