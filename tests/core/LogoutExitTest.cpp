// Exit from the main window, and a log-out that cannot show the login window.
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
