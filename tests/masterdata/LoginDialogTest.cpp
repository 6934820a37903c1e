// The login data dialog, opened by the card's login button, by the rights of each group.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CardTestSupport.h"

namespace {

using namespace cardtest;

mv::frmBenutzer& OpenLoginOf(mvtest::TestApp& app, mv::frmKalender& main, int row) {
  main.grdCal.UserMove(row, 0);
  OpenCard(app, main).cmd_Login.UserClick();
  return LoginDialog(app);
}

// Whatever record the card shows, the back office edits its own login; OK rebuilds the month
// grid, Close does not.
TEST(LoginDialog, TheBackOfficeEditsItsOwnLoginAndStaysBackOffice) {
  CalendarApp app;
  app.AddLogin(21, "login21", "geheim", mv::GroupBackOffice);
  mv::frmKalender& main = Enter(app, 21, mv::GroupBackOffice);
  main.cmbTeamAuswahl.UserSelect(0);
  mv::frmBenutzer& dialog = OpenLoginOf(app, main, BergRow);
  mv::frmMitarbeiter& card = *app.masterdata().frmMitarbeiter.IfLoaded();

  EXPECT_TRUE(dialog.IsActive());
  EXPECT_FALSE(card.Enabled());
  EXPECT_FALSE(dialog.ControlBox());
  EXPECT_EQ(dialog.txt_LoginID.Text() + "|" + dialog.txt_Passwort.Text(), "login21|geheim");
  EXPECT_EQ(Entries(dialog.cmb_Gruppe), (std::vector<std::string>{"Mitarbeiter", "Backoffice"}));
  EXPECT_EQ(dialog.cmb_Gruppe.Text(), "Backoffice");
  EXPECT_FALSE(dialog.txt_LoginID.AcceptsInput());
  dialog.txt_Passwort.UserFocus();
  EXPECT_EQ(dialog.txt_Passwort.BackColor(), Yellow);
  dialog.cmb_Gruppe.UserFocus();
  EXPECT_EQ(dialog.txt_Passwort.BackColor(), White);

  app.AddEntry(10, Dec(2), "U/");
  dialog.cmd_Abort.UserClick();
  EXPECT_EQ(main.grdCal.TextMatrix(BergRow, 2), "");
  EXPECT_EQ(card.txt_PersNr.Text(), "21");

  card.cmd_Login.UserClick();
  Retype(dialog.txt_Passwort, "neu");
  dialog.cmd_OK.UserClick();
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(card.IsActive());
  EXPECT_EQ(Logins(app).back(), (std::vector<std::string>{"21", "login21", "neu", "2"}));
  EXPECT_EQ(main.grdCal.TextMatrix(BergRow, 2), "U");
}

// An administrator changing his password stays one, and a new name adds a second row. Without a
// login row the dialog opens empty and OK creates one, refusing a name of blanks or an empty
// password and storing the name without blanks around it; a failed write is shown and the dialog
// stays for another try.
TEST(LoginDialog, AdministratorsKeepTheirGroupAndOKStoresNoEmptyLoginAndStaysWhenWritingFails) {
  CalendarApp app;
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  mv::frmBenutzer& dialog = OpenLoginOf(app, main, ZollerRow);
  EXPECT_EQ(dialog.txt_LoginID.Text(), "zoller");
  EXPECT_EQ(dialog.cmb_Gruppe.ListCount(), 3);
  EXPECT_EQ(dialog.cmb_Gruppe.Text(), "Administratoren");
  Retype(dialog.txt_Passwort, "neu");
  dialog.cmd_OK.UserClick();
  app.masterdata().frmMitarbeiter->cmd_Login.UserClick();
  Retype(dialog.txt_LoginID, "eva");
  dialog.cmd_OK.UserClick();
  EXPECT_EQ(Logins(app), (Rows{{"12", "zoller", "neu", "1"}, {"12", "eva", "neu", "1"}}));
  app.masterdata().frmMitarbeiter->cmd_Close.UserClick();

  OpenLoginOf(app, main, AdamRow);
  EXPECT_EQ(dialog.txt_LoginID.Text() + "|" + dialog.txt_Passwort.Text(), "|");
  EXPECT_EQ(dialog.cmb_Gruppe.Text(), "Mitarbeiter");
  dialog.txt_LoginID.UserType("  ");
  app.ExpectBoxNaming("Bitte einen Benutzernamen eingeben!");
  dialog.cmd_OK.UserClick();
  dialog.txt_LoginID.UserType(" adam ");
  app.ExpectBoxNaming("Bitte ein Passwort eingeben!");
  dialog.cmd_OK.UserClick();
  dialog.txt_Passwort.UserType("a1");
  app.Sql("CREATE TRIGGER full BEFORE INSERT ON tbl_User BEGIN SELECT RAISE(ABORT, 'voll'); END");
  app.ExpectBoxNaming("voll");
  dialog.cmd_OK.UserClick();
  EXPECT_TRUE(dialog.IsActive());
  EXPECT_EQ(Logins(app).size(), 2u);

  app.Sql("DROP TRIGGER full");
  dialog.cmd_OK.UserClick();
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(Logins(app).back(), (std::vector<std::string>{"11", "adam", "a1", "3"}));
}

}  // namespace
