// Exit from the main window.
#include "CoreTestSupport.h"

namespace {

class Exit : public coretest::Program {};

TEST_F(Exit, AnsweredNoChangesNothingAndYesClosesTheConnectionAndEnds) {
  Start(2);
  ASSERT_NE(app.LoginAs("clara", "Clara3"), nullptr);
  mv::frmKalender& main = *Main();
  platform().ExpectMessageBox("Quit Morvellan?", forms::vbNo);

  main.UserClose();  // a window manager's close button asks as the menu entry does

  EXPECT_EQ(platform().MessageBoxes().at(0).Request.Buttons, forms::vbYesNo);
  EXPECT_TRUE(main.Visible());
  EXPECT_TRUE(s().Conn.IsOpen());

  platform().ExpectMessageBox(s().T(103), forms::vbYes);
  main.mnuTerminate.UserClick();

  EXPECT_FALSE(s().Conn.IsOpen());
  EXPECT_EQ(Main(), nullptr);
  EXPECT_TRUE(platform().ProgramEnded());
  EXPECT_EQ(platform().ExitCode(), 0);
}

}  // namespace
