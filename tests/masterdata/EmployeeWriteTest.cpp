// New, Save and Delete on the employee card, with the size check of the chosen team and the
// initial login of a new employee.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "CardTestSupport.h"

namespace {

using namespace cardtest;

const std::string BadNumber = "Die Personalnummer muss eine ganze Zahl von 1 bis 2147483647 sein!";
const std::string BadDays = "Die Urlaubstage pro Jahr müssen eine ganze Zahl von 0 bis 255 sein!";

TEST(EmployeeWrite, ANewEmployeePassesTheChecksInOrderAndStoresHisLogin) {
  CalendarApp app;
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  app.s().CurrentPersNr = 21;
  mv::frmMitarbeiter& card = OpenCard(app, main);
  app.platform.QueueInputBox("Dorn");  // the list shows Dorn alone
  card.cmd_Search.UserClick();
  card.cmd_Neu.UserClick();
  EXPECT_EQ(Fields(card), (Texts{"*", "", "", "", "", "", "Entwicklung", "0"}));
  EXPECT_FALSE(card.cmd_Delete.Enabled());
  // A stored employee shown from the list ends the new record in full: his number stays locked.
  card.lst_Results.UserClick(0);
  EXPECT_TRUE(card.cmd_Delete.Enabled());
  EXPECT_FALSE(card.txt_PersNr.Enabled());
  card.cmd_Neu.UserClick();

  const std::tuple<forms::TextBox*, std::string, std::string> steps[] = {
      {&card.txt_UTage, "256", app.s().T(138)},
      {&card.txt_PersNr, "0", BadNumber},
      {&card.txt_PersNr, "2147483648", BadNumber},
      {&card.txt_PersNr, "21", app.s().T(137)},  // Dorn's, in another team
      {&card.txt_PersNr, "47x11", app.s().T(139)},
      {&card.txt_Nachname, "  ", app.s().T(139)},
      {&card.txt_Nachname, " Müller ", app.s().T(140)},
      {&card.txt_Vorname, " ", app.s().T(140)},
      {&card.txt_Vorname, "Hans", BadDays},
  };
  for (const auto& [field, typed, refusal] : steps) {
    SCOPED_TRACE(typed);
    Retype(*field, typed);
    app.platform.ExpectMessageBox(refusal, forms::vbOK);
    card.cmd_Save.UserClick();
  }
  // A paste is taken whole or not at all: key by key these would read 125, 5 and 13.
  for (auto [field, pasted, refusal] : {std::tuple{&card.txt_UTage, "12.5", BadDays},
                                        {&card.txt_UTage, "-5", BadDays},
                                        {&card.txt_PersNr, "1e3", BadNumber}}) {
    app.platform.ExpectMessageBox(refusal, forms::vbOK);
    field->UserSetText(pasted);
  }
  EXPECT_EQ(Fields(card), (Texts{"*", "4711", " Müller ", "Hans", "", "", "Entwicklung", "256"}));
  card.txt_UTage.UserSetText("30");
  card.cmd_Save.UserClick();

  EXPECT_EQ(app.Query("SELECT LfdNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage FROM "
                      "tbl_Mitarbeiter WHERE PersNr = 4711"),
            (Rows{{"5", "Müller", "Hans", "*", "*", "0", "30"}}));
  mv::frmBenutzer& dialog = LoginDialog(app);
  EXPECT_FALSE(dialog.cmd_Abort.Enabled());
  dialog.UserClose();  // a window manager's close button cannot skip the login either
  EXPECT_TRUE(dialog.IsActive());
  const std::string password = dialog.txt_Passwort.Text();

  dialog.cmd_OK.UserClick();
  EXPECT_EQ(Logins(app).back(), (Texts{"4711", "müller4711", password, "3"}));
  EXPECT_EQ(main.grdCal.TextMatrix(BergRow + 1, 0), "Müller, Hans");
}

TEST(EmployeeWrite, ATeamOfThirtyTakesNobodyMore) {
  CalendarApp app;
  for (long p = 100; p < 127; ++p) app.AddEmployee(p, "Voll" + std::to_string(p), "X", 0);
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  app.s().CurrentPersNr = 21;
  mv::frmMitarbeiter& card = OpenCard(app, main);
  const std::string full = app.s().T(147);
  app.platform.ExpectMessageBox(full, forms::vbOK);
  card.cmd_Neu.UserClick();
  EXPECT_FALSE(card.cmd_Save.Enabled());
  card.cmb_Team.UserSelect(1);
  EXPECT_TRUE(card.cmd_Save.Enabled());
  card.cmd_Close.UserClick();

  // Save itself counts: a member saves, a newcomer whom New put in his full team without a check
  // is refused, and so is a move that another copy's newcomer made one too many.
  app.s().CurrentPersNr = 11;
  OpenCard(app, main).cmd_Save.UserClick();
  Create(app, card, 4711, "Neu", full);
  card.cmd_Close.UserClick();
  app.Sql("UPDATE tbl_Mitarbeiter SET TeamNr = 2 WHERE PersNr = 126");
  app.s().CurrentPersNr = 21;
  OpenCard(app, main).cmb_Team.UserSelect(0);
  app.Sql("UPDATE tbl_Mitarbeiter SET TeamNr = 0 WHERE PersNr = 126");
  app.platform.ExpectMessageBox(full, forms::vbOK);
  card.cmd_Save.UserClick();
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Mitarbeiter WHERE TeamNr = 0"), 30);
}

// A stored record keeps a number below 1; "*" stands for an empty phone and mail; a team outside
// the list is not saved. An empty table leaves every button but New harmless. A new login keeps the
// number whole within 20 characters, never takes another's name, and has a six-character password.
TEST(EmployeeWrite, SavingAnEmployeeStoresHisFieldsAndAnEmptyTableIsHarmless) {
  CalendarApp app;
  app.AddLogin(11, "MÜLLER4711", "x", 3);
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  app.Sql("UPDATE tbl_Mitarbeiter SET TeamNr = 7, PersNr = -10 WHERE PersNr = 10");
  app.s().CurrentPersNr = -10;
  mv::frmMitarbeiter& card = OpenCard(app, main);
  EXPECT_EQ(Fields(card), (Texts{"2", "-10", "Berg", "Lena", "*", "*", "", "25"}));
  app.ExpectBoxNaming("Bitte ein Team auswählen!");
  card.cmd_Save.UserClick();
  Retype(card.txt_Nachname, "  ");
  Retype(card.txt_Telefon, "");
  Retype(card.txt_Mail, "");
  card.cmb_Team.UserSelect(2);
  card.cmd_Save.UserClick();
  EXPECT_EQ(
      app.Query("SELECT Nachname, TelNr, Mail, TeamNr FROM tbl_Mitarbeiter WHERE PersNr = -10"),
      (Rows{{"", "*", "*", "2"}}));
  Retype(card.txt_UTage, "");
  app.platform.ExpectMessageBox(BadDays, forms::vbOK);
  card.cmd_Save.UserClick();
  EXPECT_EQ(app.Scalar("SELECT UTage FROM tbl_Mitarbeiter WHERE PersNr = -10"), 25);
  card.cmd_Close.UserClick();

  app.Sql("DELETE FROM tbl_Mitarbeiter");
  OpenCard(app, main);
  for (forms::CommandButton* b :
       {&card.cmd_FirstRS, &card.cmd_PreviousRS, &card.cmd_NextRS, &card.cmd_LastRS,
        &card.cmd_Search, &card.cmd_Save, &card.cmd_Delete})
    b->UserClick();
  EXPECT_EQ(Fields(card), Texts(8, ""));
  EXPECT_EQ(app.platform.MessageBoxes().size(), 2u);
  for (auto [persNr, nachname, login] :
       {std::tuple{1L, "Erste", "erste1"},
        {4711L, "Müller", "müller4711-2"},
        {711L, "Müller4", "müller4711-3"},
        {2147483647L, "Schwarzenberger-Lang", "schwarzenb2147483647"}}) {
    Create(app, card, persNr, nachname);
    mv::frmBenutzer& dialog = LoginDialog(app);
    EXPECT_EQ(dialog.txt_LoginID.Text(), login);
    const std::string password = dialog.txt_Passwort.Text();
    EXPECT_EQ(password.size(), 6u);
    for (char c : password) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << password;
    dialog.cmd_OK.UserClick();
  }
  EXPECT_EQ(Logins(app).size(), 6u);
}

// Nobody deletes himself; No keeps every row of the employee; Yes removes his entries (also one
// another copy wrote), every login of his and him, but not the dependency rows that name him.
TEST(EmployeeWrite, DeleteRemovesTheEmployeeWithHisEntriesAndEveryLoginOrKeepsAll) {
  CalendarApp app;
  app.AddEntry(10, Dec(1), "U?");
  app.AddEntry(10, db::Date(2026, 3, 2), "K/");
  app.AddEntry(11, Dec(1), "U/");
  app.AddLogin(10, "berg", "pw", 3);
  app.AddLogin(10, "lena", "pw2", 3);
  app.AddLogin(12, "login12", "pw", 1);  // the login Enter logs the administrator in with
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  app.s().CurrentPersNr = 12;
  mv::frmMitarbeiter& card = OpenCard(app, main);
  app.ExpectBoxNaming("nicht selbst löschen");
  card.cmd_Delete.UserClick();

  card.cmd_PreviousRS.UserClick();
  app.platform.ExpectMessageBox(app.s().T(72), forms::vbNo);
  card.cmd_Delete.UserClick();
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender WHERE PersNr = 10"), 2);
  EXPECT_EQ(Logins(app).size(), 4u);

  app.AddEntry(10, Dec(9), "Z?");  // another copy, after the card was read
  app.platform.ExpectMessageBox(app.s().T(72), forms::vbYes);
  app.platform.ExpectMessageBox(app.s().T(73), forms::vbOK);
  card.cmd_Delete.UserClick();
  EXPECT_EQ(app.Query("SELECT PersNr FROM tbl_Kalender"), (Rows{{"11"}}));
  EXPECT_EQ(Logins(app), (Rows{{"12", "zoller", "pw", "1"}, {"12", "login12", "pw", "1"}}));
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Mitarbeiter WHERE PersNr = 10"), 0);
  EXPECT_EQ(app.Query("SELECT PersNr, AbhPersNr1 FROM tbl_Abhängigkeiten"), (Rows{{"10", "11"}}));
  EXPECT_EQ(Fields(card), (Texts{"1", "11", "Adam", "Karl", "*", "*", "Entwicklung", "30"}));
  EXPECT_EQ(main.grdCal.TextMatrix(BergRow, 0), "Zoller, Eva");
}

}  // namespace
