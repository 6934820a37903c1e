// The login window as a user works it.
#include "CoreTestSupport.h"

namespace {

using coretest::Program;

class LoginWindow : public Program {};

TEST_F(LoginWindow, LooksLikeASmallLoginDialogWithGermanCaptions) {
  Start(1);
  mv::frmLogin& w = *Login();

  EXPECT_EQ(w.Caption(), "Programm Anmeldung");
  EXPECT_EQ(w.Label1.Caption(), "Benutzername / Kennung");
  EXPECT_EQ(w.Label2.Caption(), "Passwort");
  EXPECT_EQ(w.cmdOK.Caption(), "OK");
  EXPECT_EQ(w.cmdCancel.Caption(), "Abbruch");
  EXPECT_FALSE(w.ControlBox());
  EXPECT_FALSE(w.MinButton());
  EXPECT_FALSE(w.MaxButton());
  EXPECT_TRUE(w.Visible());
  EXPECT_EQ(s().rt.Windows().ActiveForm(), &w);

  // A small dialog; every control inside it, labels left of their boxes, buttons below them.
  EXPECT_LE(w.Width(), 6000);
  EXPECT_LE(w.Height(), 3000);
  for (forms::Control* c : w.Controls()) {
    EXPECT_GE(c->Left(), 0) << c->Name();
    EXPECT_GE(c->Top(), 0) << c->Name();
    EXPECT_LE(c->Left() + c->Width(), w.Width()) << c->Name();
    EXPECT_LE(c->Top() + c->Height(), w.Height() - 300) << c->Name();  // below the title bar
  }
  EXPECT_LT(w.Label1.Left() + w.Label1.Width(), w.txtID.Left());
  EXPECT_LT(w.Label2.Left() + w.Label2.Width(), w.txtPW.Left());
  EXPECT_LT(w.txtID.Top() + w.txtID.Height(), w.txtPW.Top());
  EXPECT_LT(w.txtPW.Top() + w.txtPW.Height(), w.cmdOK.Top());
  EXPECT_EQ(w.cmdOK.Top(), w.cmdCancel.Top());
  EXPECT_LT(w.cmdOK.Left() + w.cmdOK.Width(), w.cmdCancel.Left());

  // Tab order: name, password, OK, Abbruch.
  EXPECT_LT(w.txtID.TabIndex(), w.txtPW.TabIndex());
  EXPECT_LT(w.txtPW.TabIndex(), w.cmdOK.TabIndex());
  EXPECT_LT(w.cmdOK.TabIndex(), w.cmdCancel.TabIndex());
}

TEST_F(LoginWindow, TakesItsCaptionsFromTheEnglishColumnExceptTheButtons) {
  Start(2);
  mv::frmLogin& w = *Login();

  EXPECT_EQ(w.Caption(), "Program login");
  EXPECT_EQ(w.Label1.Caption(), "Username / ID");
  EXPECT_EQ(w.Label2.Caption(), "Password");
  EXPECT_EQ(w.cmdOK.Caption(), "OK");
  EXPECT_EQ(w.cmdCancel.Caption(), "Abbruch");
}

TEST_F(LoginWindow, TheNameBoxHasTheFocusAndIsYellowAndTheColourFollowsTheFocus) {
  Start();
  mv::frmLogin& w = *Login();

  EXPECT_TRUE(w.txtID.HasFocus());
  EXPECT_EQ(w.txtID.BackColor(), 0x00FFFF);
  EXPECT_EQ(w.txtPW.BackColor(), 0xFFFFFF);

  w.txtPW.UserClick();
  EXPECT_TRUE(w.txtPW.HasFocus());
  EXPECT_EQ(w.txtPW.BackColor(), 0x00FFFF);
  EXPECT_EQ(w.txtID.BackColor(), 0xFFFFFF);

  w.txtID.UserType("a");
  EXPECT_EQ(w.txtID.BackColor(), 0x00FFFF);
  EXPECT_EQ(w.txtPW.BackColor(), 0xFFFFFF);
}

TEST_F(LoginWindow, HasNoCloseBoxSoClosingItDoesNothing) {
  Start();
  Login()->UserClose();
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
  EXPECT_FALSE(s().rt.Ended());
}

TEST_F(LoginWindow, MasksThePasswordWithHashesWhenTheOptionIsOn) {
  Start(1, -1);
  mv::frmLogin& w = *Login();
  w.txtPW.UserType("Geheim1");

  EXPECT_EQ(w.txtPW.PasswordChar(), "#");
  EXPECT_EQ(w.txtPW.DisplayText(), "#######");
  EXPECT_EQ(w.txtPW.Text(), "Geheim1");
  EXPECT_EQ(w.txtID.PasswordChar(), "");
}

TEST_F(LoginWindow, ShowsThePasswordWhenTheOptionIsOff) {
  Start(1, 0);
  Login()->txtPW.UserType("Geheim1");
  EXPECT_EQ(Login()->txtPW.PasswordChar(), "");
  EXPECT_EQ(Login()->txtPW.DisplayText(), "Geheim1");
}

TEST_F(LoginWindow, OnlyMinusOneCountsAsMaskingOn) {
  Start(1, 1);
  Login()->txtPW.UserType("abc");
  EXPECT_EQ(Login()->txtPW.DisplayText(), "abc");
}

TEST_F(LoginWindow, ANameInOtherLetterCaseLogsInAndKeepsTheNameAsStored) {
  Start();
  mv::frmKalender* main = app.LoginAs("ADMIN", "Geheim1");

  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(platform().MessageBoxes().empty());
  EXPECT_EQ(s().CurrentLoginID, "admin");
  EXPECT_TRUE(main->Visible());
  EXPECT_EQ(Login(), nullptr);
  EXPECT_FALSE(s().RsUser.IsOpen());
}

TEST_F(LoginWindow, APasswordInOtherLetterCaseIsRefusedWithText136) {
  Start();
  ExpectRefusal();

  EXPECT_EQ(app.LoginAs("admin", "geheim1"), nullptr);

  ASSERT_EQ(platform().MessageBoxes().size(), 1u);
  const auto& box = platform().MessageBoxes()[0].Request;
  EXPECT_EQ(box.Prompt, "Benutzername / Kennung\roder Passwort falsch!");
  EXPECT_EQ(box.Buttons, forms::vbOKOnly);
  EXPECT_EQ(box.Title, "Morvellan");
  EXPECT_EQ(s().UserGroup, 0);
  EXPECT_EQ(s().CurrentLoginID, "");
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
  EXPECT_TRUE(s().RsUser.IsOpen());
}

TEST_F(LoginWindow, AnUnknownNameIsRefusedWithTheSameText) {
  Start(2);
  ExpectRefusal();
  EXPECT_EQ(app.LoginAs("niemand", "Geheim1"), nullptr);
  ASSERT_EQ(platform().MessageBoxes().size(), 1u);
  EXPECT_EQ(platform().MessageBoxes()[0].Request.Prompt, "Wrong username / ID or password!");
}

TEST_F(LoginWindow, AnEmptyNameIsSearchedLikeAnyOtherAndRefused) {
  Start();
  ExpectRefusal();
  EXPECT_EQ(app.LoginAs("", ""), nullptr);
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
}

TEST_F(LoginWindow, AfterEachFailureBothBoxesAreEmptyAndTheNameBoxHasTheFocusInYellow) {
  Start();
  mv::frmLogin& w = *Login();
  for (int attempt = 0; attempt < 4; ++attempt) {
    ExpectRefusal();
    w.txtID.UserType("admin");
    w.txtPW.UserType("falsch" + std::to_string(attempt));
    w.cmdOK.UserClick();

    EXPECT_EQ(w.txtID.Text(), "") << attempt;
    EXPECT_EQ(w.txtPW.Text(), "") << attempt;
    EXPECT_TRUE(w.txtID.HasFocus()) << attempt;
    EXPECT_EQ(w.txtID.BackColor(), 0x00FFFF) << attempt;
    EXPECT_EQ(w.txtPW.BackColor(), 0xFFFFFF) << attempt;
  }
  EXPECT_EQ(platform().MessageBoxes().size(), 4u);
  // No limit: the right password still works.
  EXPECT_NE(app.LoginAs("admin", "Geheim1"), nullptr);
}

TEST_F(LoginWindow, EnterInThePasswordBoxSubmits) {
  Start();
  mv::frmLogin& w = *Login();
  w.txtID.UserType("buero");
  w.txtPW.UserType("Buero2");
  w.txtPW.UserKey(forms::vbKeyReturn);

  ASSERT_NE(Main(), nullptr);
  EXPECT_EQ(s().UserGroup, 2);
  EXPECT_EQ(Login(), nullptr);
}

TEST_F(LoginWindow, EnterWithAWrongPasswordFailsAndMovesTheFocusBackToTheNameBox) {
  Start();
  mv::frmLogin& w = *Login();
  w.txtID.UserType("buero");
  w.txtPW.UserType("buero2");
  ExpectRefusal();
  w.txtPW.UserKey(forms::vbKeyReturn);

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(w.txtPW.Text(), "");
  EXPECT_TRUE(w.txtID.HasFocus());
  EXPECT_EQ(w.txtID.BackColor(), 0x00FFFF);
  EXPECT_EQ(w.txtPW.BackColor(), 0xFFFFFF);
}

TEST_F(LoginWindow, EnterInTheNameBoxDoesNotSubmit) {
  Start();
  mv::frmLogin& w = *Login();
  w.txtID.UserType("admin");
  w.txtID.UserKey(forms::vbKeyReturn);
  EXPECT_TRUE(platform().MessageBoxes().empty());
  EXPECT_EQ(Main(), nullptr);
  EXPECT_EQ(w.txtID.Text(), "admin");
}

TEST_F(LoginWindow, CancelEndsTheProgram) {
  Start();
  Login()->cmdCancel.UserClick();

  EXPECT_TRUE(s().rt.Ended());
  EXPECT_TRUE(platform().ProgramEnded());
  EXPECT_EQ(platform().ExitCode(), 0);
  EXPECT_EQ(Main(), nullptr);
}

TEST_F(LoginWindow, AnAdministratorGetsGroupTeamNameAndDaysButNoCurrentEmployee) {
  Start();
  ASSERT_NE(app.LoginAs("admin", "Geheim1"), nullptr);

  EXPECT_EQ(s().UserGroup, 1);
  EXPECT_EQ(s().CurrentLoginID, "admin");
  EXPECT_EQ(s().CurrentPersNr, 0);
  EXPECT_EQ(s().CurrentTeam, 0);
  EXPECT_EQ(s().UserTeam, 0);
  // UserVacationDays: the main window's vacation account takes it over for groups 1 and 2.
  EXPECT_EQ(s().CurrentUserName, "Adler, Anna");
}

TEST_F(LoginWindow, TheBackOfficeGetsItsStateButNoCurrentEmployee) {
  Start();
  ASSERT_NE(app.LoginAs("Buero", "Buero2"), nullptr);

  EXPECT_EQ(s().UserGroup, 2);
  EXPECT_EQ(s().CurrentLoginID, "buero");
  EXPECT_EQ(s().CurrentPersNr, 0);
  EXPECT_EQ(s().CurrentTeam, 1);
  EXPECT_EQ(s().UserTeam, 1);
  // UserVacationDays: the main window's vacation account takes it over for groups 1 and 2.
  EXPECT_EQ(s().CurrentUserName, "Berger, Bernd");
}

TEST_F(LoginWindow, AnEmployeeBecomesTheCurrentEmployee) {
  Start();
  ASSERT_NE(app.LoginAs("clara", "Clara3"), nullptr);

  EXPECT_EQ(s().UserGroup, 3);
  EXPECT_EQ(s().CurrentLoginID, "clara");
  EXPECT_EQ(s().CurrentPersNr, 30);
  EXPECT_EQ(s().CurrentTeam, 1);
  EXPECT_EQ(s().UserTeam, 1);
  EXPECT_EQ(s().UserVacationDays, 25);
  EXPECT_EQ(s().CurrentUserName, "Conrad, Clara");
}

TEST_F(LoginWindow, ANameWithAnApostropheLogsIn) {
  app.AddEmployee(40, "O'Brien", "Sean", 0);
  app.AddLogin(40, "o'brien", "Kl33", 3);
  Start();

  ASSERT_NE(app.LoginAs("O'Brien", "Kl33"), nullptr);
  EXPECT_EQ(s().CurrentLoginID, "o'brien");
  EXPECT_EQ(s().CurrentPersNr, 40);
  EXPECT_EQ(s().CurrentUserName, "O'Brien, Sean");
}

TEST_F(LoginWindow, AnApostropheCannotWidenTheSearch) {
  Start();
  for (const std::string name : {"' OR LoginID LIKE '*", "x' OR 'a'='a", "'", "admin'"}) {
    ExpectRefusal();
    EXPECT_EQ(app.LoginAs(name, "Geheim1"), nullptr) << name;
  }
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(s().UserGroup, 0);
}

TEST_F(LoginWindow, ALoginWithoutItsEmployeeIsRefusedLikeAWrongPassword) {
  app.AddLogin(99, "waise", "Waise9", 1);
  Start();
  ExpectRefusal();

  EXPECT_EQ(app.LoginAs("waise", "Waise9"), nullptr);

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(s().UserGroup, 0);
  EXPECT_EQ(s().CurrentLoginID, "");
  EXPECT_EQ(s().CurrentUserName, "");
  ASSERT_NE(Login(), nullptr);
  EXPECT_EQ(Login()->txtID.Text(), "");
  EXPECT_TRUE(Login()->txtID.HasFocus());
  EXPECT_TRUE(s().RsUser.IsOpen());
  // The other logins still work.
  EXPECT_NE(app.LoginAs("clara", "Clara3"), nullptr);
}

TEST_F(LoginWindow, AnEmptyLoginTableRefusesEveryAttemptWithoutFailing) {
  app.Sql("DELETE FROM tbl_User");
  Start();
  for (const std::string name : {"admin", "", "clara"}) {
    ExpectRefusal();
    EXPECT_EQ(app.LoginAs(name, "Geheim1"), nullptr) << name;
  }
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(platform().MessageBoxes().size(), 3u);
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
}

TEST_F(LoginWindow, AMissingEmployeeTableIsReportedAndTheWindowWaits) {
  Start();
  app.Sql("DROP TABLE tbl_Mitarbeiter");
  platform().ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) { return r.Prompt.find("tbl_Mitarbeiter") != std::string::npos; },
      forms::vbOK);

  EXPECT_EQ(app.LoginAs("admin", "Geheim1"), nullptr);

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(s().UserGroup, 0);
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
}

TEST_F(LoginWindow, LoginAsLoadsTheLoginWindowAfterOpenProgram) {
  app.OpenProgram();
  ASSERT_EQ(Login(), nullptr);
  ASSERT_NE(app.LoginAs("clara", "Clara3"), nullptr);
  EXPECT_EQ(s().CurrentPersNr, 30);
}

}  // namespace
