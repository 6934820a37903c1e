// The employee card and its login data dialog as they open, show, browse, search and close, by the
// rights of each group.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "CardTestSupport.h"

namespace {

using namespace cardtest;

// Without a login row, OK creates one (name without outer blanks); an administrator's new password
// keeps his group, and a new name (cut to 20 characters) adds a second row.
TEST(EmployeeCard, OpensOnTheEmployeeUnderThePointerBrowsesAndAnAdministratorStoresLogins) {
  CalendarApp app;
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  main.grdCal.UserMove(BergRow, 0);
  main.grdCal.UserDoubleClick(BergRow, 0);
  mv::frmMitarbeiter& card = *app.masterdata().frmMitarbeiter.IfLoaded();
  EXPECT_EQ(Fields(card), (Texts{"2", "10", "Berg", "Lena", "*", "*", "Entwicklung", "25"}));
  EXPECT_FALSE(card.txt_PersNr.Enabled());  // a stored number is never rewritten
  EXPECT_EQ(main.lbl_Status.Caption(), "Gesamtanzahl Mitarbeiter: 4");
  EXPECT_EQ((Texts{card.cmd_Neu.Caption(), card.cmd_Save.Caption(), card.cmd_Delete.Caption()}),
            (Texts{"Neuen MA anlegen", "Daten speichern", "MA löschen"}));

  const char *first = "Erster Datensatz", *last = "Letzter Datensatz";
  const std::tuple<forms::CommandButton*, long, const char*> steps[] = {
      {&card.cmd_FirstRS, 11, first}, {&card.cmd_PreviousRS, 11, first},
      {&card.cmd_NextRS, 10, first},  {&card.cmd_LastRS, 21, last},
      {&card.cmd_NextRS, 21, last},   {&card.cmd_PreviousRS, 12, last}};
  for (auto [button, shown, status] : steps) {
    SCOPED_TRACE(button->Name());
    button->UserClick();
    EXPECT_EQ(card.txt_PersNr.Text(), std::to_string(shown));
    EXPECT_EQ(main.lbl_Status.Caption(), status);
  }
  card.cmd_Close.UserClick();
  EXPECT_TRUE(main.IsActive());

  // Nobody pointed at: the first employee becomes the current one.
  app.s().CurrentPersNr = 0;
  EXPECT_EQ(OpenCard(app, main).txt_PersNr.Text(), "11");

  card.cmd_Login.UserClick();
  mv::frmBenutzer& dialog = LoginDialog(app);
  EXPECT_EQ(
      (Texts{dialog.txt_LoginID.Text(), dialog.txt_Passwort.Text(), dialog.cmb_Gruppe.Text()}),
      (Texts{"", "", "Mitarbeiter"}));
  dialog.txt_LoginID.UserType("  ");
  app.ExpectBoxNaming("Bitte einen Benutzernamen eingeben!");
  dialog.cmd_OK.UserClick();
  dialog.txt_LoginID.UserType(" adam ");
  app.ExpectBoxNaming("Bitte ein Passwort eingeben!");
  dialog.cmd_OK.UserClick();
  dialog.txt_Passwort.UserType("a1");
  dialog.cmd_OK.UserClick();
  EXPECT_EQ(Logins(app).back(), (Texts{"11", "adam", "a1", "3"}));

  card.cmd_LastRS.UserClick();
  card.cmd_PreviousRS.UserClick();  // Zoller
  card.cmd_Login.UserClick();
  EXPECT_EQ(dialog.txt_LoginID.Text(), "zoller");
  Retype(dialog.txt_Passwort, "neu");
  dialog.cmd_OK.UserClick();
  card.cmd_Login.UserClick();
  Retype(dialog.txt_LoginID, "eva-maria-zoller-1234");
  dialog.cmd_OK.UserClick();
  EXPECT_EQ(Logins(app), (Rows{{"12", "zoller", "neu", "1"},
                               {"11", "adam", "a1", "3"},
                               {"12", "eva-maria-zoller-123", "neu", "1"}}));
  app.Sql("DROP TABLE tbl_User");  // a login that cannot be read is said
  app.ExpectBoxNaming("tbl_User");
  card.cmd_Login.UserClick();
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
    EXPECT_EQ(Entries(card.lst_Results), (Texts{"Fuchs, Max", "Zoller, Eva"}));
  }
  EXPECT_EQ(card.lbl_ErgAnzahl.Caption(), "2  Einträge gefunden");
  Retype(card.txt_Telefon, "0711");
  card.cmd_Save.UserClick();
  EXPECT_EQ(app.Query("SELECT PersNr FROM tbl_Mitarbeiter WHERE TelNr = '0711'"), (Rows{{"21"}}));

  card.cmd_CloseList.UserClick();
  app.platform.QueueInputBox(std::nullopt);
  card.cmd_Search.UserClick();
  EXPECT_EQ(Entries(card.lst_Results), (Texts{"Adam, Karl", "Berg, Lena", "Dorn, Dora",
                                              "Fuchs, Max", "Kranz, Udo", "Zoller, Eva"}));
  card.lst_Results.UserClick(4);
  EXPECT_EQ(card.txt_Nachname.Text(), "Kranz");
  // Browsing goes on in last-name order from the employee shown.
  card.cmd_CloseList.UserClick();
  card.cmd_NextRS.UserClick();
  EXPECT_EQ(card.txt_Nachname.Text(), "Zoller");

  app.platform.ExpectMessageBox("Suche Ergebnislos beendet", forms::vbOK);
  app.platform.QueueInputBox("o'x");  // a quote is searched for, not read as SQL
  card.cmd_Search.UserClick();
  EXPECT_FALSE(card.lst_Results.Visible());
}

// Dorn logs in as an employee, then as the back office. The back office browses the card; whatever
// record it shows, the back office edits its own login. OK rebuilds the month grid.
TEST(EmployeeCard, AnEmployeeSeesOnlyHisRecordAndTheBackOfficeBrowsesAndEditsItsOwnLogin) {
  CalendarApp app;
  app.AddLogin(21, "dorn", "pw", mv::GroupEmployee);
  app.AddLogin(21, "login21", "geheim", mv::GroupBackOffice);
  mv::frmKalender& main = Enter(app, 21, mv::GroupEmployee);
  mv::frmMitarbeiter& card = OpenCard(app, main);
  EXPECT_EQ(Fields(card), (Texts{"4", "21", "Dorn", "Dora", "*", "*", "Vertrieb", "30"}));
  const std::vector<forms::Control*> browsing = {
      &card.cmd_FirstRS, &card.cmd_PreviousRS, &card.cmd_Search, &card.cmd_NextRS,
      &card.cmd_LastRS,  &card.cmd_Delete,     &card.cmd_Neu,    &card.txt_Nachname,
      &card.txt_Vorname, &card.cmb_Team,       &card.txt_UTage};
  for (forms::Control* c : browsing) EXPECT_FALSE(c->AcceptsInput()) << c->Name();
  Retype(card.txt_Telefon, "0711");
  Retype(card.txt_Mail, "d@x.de");
  card.cmd_Save.UserClick();
  EXPECT_EQ(app.Query("SELECT TelNr, Mail, Nachname FROM tbl_Mitarbeiter WHERE PersNr = 21"),
            (Rows{{"0711", "d@x.de", "Dorn"}}));
  card.cmd_Login.UserClick();
  mv::frmBenutzer& dialog = LoginDialog(app);
  EXPECT_EQ(Entries(dialog.cmb_Gruppe), (Texts{"Mitarbeiter"}));
  EXPECT_FALSE(dialog.txt_LoginID.AcceptsInput());
  Retype(dialog.txt_Passwort, "neu");
  dialog.cmd_OK.UserClick();
  EXPECT_EQ(Logins(app)[1], (Texts{"21", "dorn", "neu", "3"}));
  card.cmd_Close.UserClick();

  // Nothing is left over from the employee's rights.
  EXPECT_TRUE(main.UserShortcut("Ctrl+L"));
  mv::frmKalender& again = *app.LoginAs("login21", "geheim");
  again.cmbTeamAuswahl.UserSelect(0);
  again.grdCal.UserMove(BergRow, 0);
  OpenCard(app, again);
  for (forms::Control* c : browsing) EXPECT_TRUE(c->AcceptsInput()) << c->Name();
  card.cmd_NextRS.UserClick();
  EXPECT_EQ(card.txt_PersNr.Text(), "12");
  app.Sql("UPDATE tbl_User SET Gruppe = 9 WHERE LoginID = 'login21'");  // no group: the lowest
  card.cmd_Login.UserClick();
  EXPECT_EQ(dialog.txt_LoginID.Text(), "login21");
  EXPECT_EQ(Entries(dialog.cmb_Gruppe), (Texts{"Mitarbeiter", "Backoffice"}));
  EXPECT_EQ(dialog.cmb_Gruppe.Text(), "Mitarbeiter");
  app.Sql("UPDATE tbl_User SET Gruppe = 2 WHERE LoginID = 'login21'");

  app.AddEntry(10, Dec(2), "U/");
  dialog.cmd_Abort.UserClick();
  EXPECT_EQ(card.txt_PersNr.Text(), "21");

  card.cmd_Login.UserClick();
  Retype(dialog.txt_Passwort, "neu");
  dialog.cmd_OK.UserClick();
  EXPECT_TRUE(card.IsActive());
  EXPECT_EQ(Logins(app).back(), (Texts{"21", "login21", "neu", "2"}));
  EXPECT_EQ(again.grdCal.TextMatrix(BergRow, 2), "U");
}

}  // namespace
