// Log-out and exit from the main window, with the lifetimes of Conn, RsUser and RsKalender.
#include <tuple>

#include "CoreTestSupport.h"

namespace {

class LogoutAndExit : public coretest::Program {
 protected:
  mv::frmKalender& Enter(const std::string& login, const std::string& password) {
    mv::frmKalender* main = app.LoginAs(login, password);
    if (!main) throw std::runtime_error("login refused: " + login);
    return *main;
  }
};

TEST_F(LogoutAndExit, LogOutShowsAnEmptyLoginWindowInTheCurrentSettingsAndKeepsTheState) {
  Start();
  s().ZoomLevel = 2;
  mv::frmKalender& main = Enter("buero", "Buero2");
  ASSERT_TRUE(s().RsKalender.IsOpen());
  // As the options dialog leaves them: the next login window takes them, and masks with "#".
  s().Settings.Language = 2;
  s().Settings.MaskPassword = -1;

  main.mnuLogOut.UserClick();

  EXPECT_EQ(Main(), nullptr);
  EXPECT_FALSE(s().RsKalender.IsOpen());
  EXPECT_TRUE(s().Conn.IsOpen());
  ASSERT_NE(Login(), nullptr);
  mv::frmLogin& login = *Login();
  EXPECT_EQ(s().rt.Windows().ActiveForm(), &login);
  EXPECT_EQ(login.Caption(), "Program login");
  EXPECT_EQ(std::pair(login.txtID.Text(), login.txtPW.Text()),
            std::pair(std::string(), std::string()));
  EXPECT_TRUE(s().RsUser.IsOpen());
  // The login state and the view stay until the next login overwrites them.
  EXPECT_EQ(std::tuple(s().UserGroup, s().CurrentLoginID, s().UserTeam, s().ZoomLevel),
            std::tuple(2, std::string("buero"), 1, 2));
  login.txtPW.UserType("abc");
  EXPECT_EQ(login.txtPW.DisplayText(), "###");
}

TEST_F(LogoutAndExit, ExitAnsweredNoChangesNothingAndYesClosesTheConnectionAndEnds) {
  Start(2);
  mv::frmKalender& main = Enter("clara", "Clara3");
  platform().ExpectMessageBox("Quit Morvellan?", forms::vbNo);

  main.UserClose();  // a window manager's close button asks as the menu entry does

  EXPECT_EQ(platform().MessageBoxes().at(0).Request.Buttons, forms::vbYesNo);
  EXPECT_TRUE(main.Visible());
  EXPECT_TRUE(s().Conn.IsOpen());
  EXPECT_TRUE(s().RsKalender.IsOpen());
  EXPECT_FALSE(platform().ProgramEnded());

  platform().ExpectMessageBox(s().T(103), forms::vbYes);
  main.mnuTerminate.UserClick();

  EXPECT_FALSE(s().Conn.IsOpen());
  EXPECT_EQ(Main(), nullptr);
  EXPECT_TRUE(platform().ProgramEnded());
  EXPECT_EQ(platform().ExitCode(), 0);
}

TEST_F(LogoutAndExit, ALogOutWhoseLoginWindowCannotBeSetUpEndsTheProgramWithAMessage) {
  Start();
  mv::frmKalender& main = Enter("admin", "Geheim1");
  app.Sql("DROP TABLE tbl_User");
  app.ExpectBoxNaming("tbl_User");

  main.mnuLogOut.UserClick();

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(platform().ExitCode(), mv::ExitLoginWindowFailed);
  EXPECT_EQ(Login(), nullptr);
  EXPECT_EQ(Main(), nullptr);
}

}  // namespace
