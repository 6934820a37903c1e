// Log-out and exit from the main window, with the lifetimes of Conn, RsUser and
// RsKalender.
#include "CoreTestSupport.h"

namespace {

using coretest::Program;

class LogoutAndExit : public Program {
 protected:
  // Logs in; the main window keeps RsKalender open (its set-up opens it).
  mv::frmKalender& Enter(const std::string& login, const std::string& password) {
    mv::frmKalender* main = app.LoginAs(login, password);
    if (!main) throw std::runtime_error("login refused: " + login);
    if (!s().RsKalender.IsOpen())
      s().RsKalender.Open("tbl_Kalender", s().Conn, db::CursorType::Static, db::LockType::Pessimistic);
    return *main;
  }
};

TEST_F(LogoutAndExit, LogOutShowsAnEmptyLoginWindowAndKeepsTheConnection) {
  Start();
  mv::frmKalender& main = Enter("admin", "Geheim1");

  main.mnuLogOut.UserClick();

  EXPECT_EQ(Main(), nullptr);
  EXPECT_FALSE(s().RsKalender.IsOpen());
  EXPECT_TRUE(s().Conn.IsOpen());
  EXPECT_EQ(s().Conn.Path(), app.DbPath().string());
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
  EXPECT_EQ(s().rt.Windows().ActiveForm(), Login());
  EXPECT_EQ(Login()->txtID.Text(), "");
  EXPECT_EQ(Login()->txtPW.Text(), "");
  EXPECT_TRUE(Login()->txtID.HasFocus());
  EXPECT_EQ(Login()->txtID.BackColor(), 0x00FFFF);
  EXPECT_TRUE(s().RsUser.IsOpen());
  EXPECT_FALSE(s().rt.Ended());
  EXPECT_TRUE(platform().MessageBoxes().empty());
}

TEST_F(LogoutAndExit, LogOutKeepsTheLoginStateUntilTheNextLogin) {
  Start();
  s().ZoomLevel = 2;
  s().SortOrder = "DESC";
  Enter("buero", "Buero2").mnuLogOut.UserClick();

  EXPECT_EQ(s().UserGroup, 2);
  EXPECT_EQ(s().CurrentLoginID, "buero");
  EXPECT_EQ(s().CurrentUserName, "Berger, Bernd");
  EXPECT_EQ(s().UserTeam, 1);
  EXPECT_EQ(s().ZoomLevel, 2);
  EXPECT_EQ(s().SortOrder, "DESC");
}

TEST_F(LogoutAndExit, AnAdministratorAfterAnEmployeeKeepsTheEmployeesCurrentPersNr) {
  Start();
  Enter("clara", "Clara3").mnuLogOut.UserClick();
  ASSERT_EQ(s().CurrentPersNr, 30);

  Enter("admin", "Geheim1");

  EXPECT_EQ(s().UserGroup, 1);
  EXPECT_EQ(s().CurrentPersNr, 30);
  EXPECT_EQ(s().CurrentTeam, 0);
  EXPECT_EQ(s().CurrentUserName, "Adler, Anna");
}

TEST_F(LogoutAndExit, TheBackOfficeAfterAnEmployeeKeepsTheEmployeesCurrentPersNrToo) {
  Start();
  Enter("clara", "Clara3").mnuLogOut.UserClick();
  Enter("buero", "Buero2");
  EXPECT_EQ(s().CurrentPersNr, 30);
}

TEST_F(LogoutAndExit, AnEmployeeAfterAnAdministratorBecomesTheCurrentEmployee) {
  Start();
  s().CurrentPersNr = 10;  // chosen in the calendar
  Enter("admin", "Geheim1").mnuLogOut.UserClick();
  Enter("clara", "Clara3");
  EXPECT_EQ(s().CurrentPersNr, 30);
}

TEST_F(LogoutAndExit, TheNextLoginWindowTakesTheCurrentLanguageAndMasking) {
  Start(1, 0);
  mv::frmKalender& main = Enter("admin", "Geheim1");
  // As the options dialog leaves them.
  s().Settings.Language = 2;
  s().Settings.MaskPassword = -1;

  main.mnuLogOut.UserClick();

  ASSERT_NE(Login(), nullptr);
  EXPECT_EQ(Login()->Caption(), "Program login");
  EXPECT_EQ(Login()->Label1.Caption(), "Username / ID");
  Login()->txtPW.UserType("abc");
  EXPECT_EQ(Login()->txtPW.DisplayText(), "###");
}

TEST_F(LogoutAndExit, AFailedLoginAfterLogOutStillWorksAsBefore) {
  Start();
  Enter("admin", "Geheim1").mnuLogOut.UserClick();
  ExpectRefusal();
  EXPECT_EQ(app.LoginAs("admin", "x"), nullptr);
  EXPECT_NE(app.LoginAs("clara", "Clara3"), nullptr);
  EXPECT_EQ(s().UserGroup, 3);
}

TEST_F(LogoutAndExit, ExitAnsweredNoChangesNothing) {
  Start();
  mv::frmKalender& main = Enter("admin", "Geheim1");
  platform().ExpectMessageBox(s().T(103), forms::vbNo);

  main.mnuTerminate.UserClick();

  ASSERT_EQ(platform().MessageBoxes().size(), 1u);
  const auto& box = platform().MessageBoxes()[0].Request;
  EXPECT_EQ(box.Prompt, "Morvellan verlassen?");
  EXPECT_EQ(box.Buttons, forms::vbYesNo);
  EXPECT_EQ(box.Title, "Morvellan");
  EXPECT_EQ(Main(), &main);
  EXPECT_TRUE(main.Visible());
  EXPECT_TRUE(s().Conn.IsOpen());
  EXPECT_TRUE(s().RsKalender.IsOpen());
  EXPECT_FALSE(s().rt.Ended());
  EXPECT_FALSE(platform().ProgramEnded());
}

TEST_F(LogoutAndExit, ExitAnsweredYesClosesTheConnectionAndEndsTheProgram) {
  Start(2);
  mv::frmKalender& main = Enter("clara", "Clara3");
  platform().ExpectMessageBox("Quit Morvellan?", forms::vbYes);

  main.mnuTerminate.UserClick();

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_FALSE(s().Conn.IsOpen());
  EXPECT_EQ(Main(), nullptr);
  EXPECT_EQ(Login(), nullptr);
  EXPECT_TRUE(s().rt.Ended());
  EXPECT_TRUE(platform().ProgramEnded());
  EXPECT_EQ(platform().ExitCode(), 0);
}

TEST_F(LogoutAndExit, ALogOutWhoseLoginWindowCannotBeSetUpEndsTheProgramWithAMessage) {
  Start();
  mv::frmKalender& main = Enter("admin", "Geheim1");
  app.Sql("DROP TABLE tbl_User");
  platform().ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) { return r.Prompt.find("tbl_User") != std::string::npos; },
      forms::vbOK);

  main.mnuLogOut.UserClick();

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_TRUE(platform().ProgramEnded());
  EXPECT_EQ(platform().ExitCode(), mv::ExitLoginWindowFailed);
  EXPECT_EQ(Login(), nullptr);
  EXPECT_EQ(Main(), nullptr);
}

}  // namespace
