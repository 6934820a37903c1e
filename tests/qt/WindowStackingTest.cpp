// Windows that keep the main window disabled while they show, as a window manager treats them:
// minimized or closed from their title bar, the main window clicked while they show.
#include <gtest/gtest.h>

#include "WindowWalk.h"

namespace {

using mvtest::QtWindowWalk;

class QtWindowStacking : public QtWindowWalk, public testing::WithParamInterface<int> {};

// Many window managers offer every window a minimize button; without a task bar the user could
// not get such a window back, and the main window would stay disabled behind it.
TEST_P(QtWindowStacking, AMinimizedWindowComesBackWhenTheDisabledMainWindowIsClicked) {
  const std::vector<Visit> visits = Visits(this);
  const Visit& visit = visits[static_cast<std::size_t>(GetParam())];
  LogIn();
  forms::Form& form = visit.Open();
  ASSERT_FALSE(Main().Enabled());
  Window(form).showMinimized();
  mvtest::Pump();
  ASSERT_TRUE(Window(form).isMinimized());

  Window(Main()).activateWindow();
  mvtest::Pump();
  EXPECT_FALSE(Window(form).isMinimized());
  EXPECT_TRUE(Window(form).isVisible());
  EXPECT_EQ(QApplication::activeWindow(), &Window(form));
  EXPECT_TRUE(form.IsActive());
}

// The window manager's close box runs the window's own closing steps, or does nothing where the
// window has none.
TEST_P(QtWindowStacking, TheCloseBoxHandsControlBackOrLeavesTheWindowOpen) {
  const std::vector<Visit> visits = Visits(this);
  const Visit& visit = visits[static_cast<std::size_t>(GetParam())];
  LogIn();
  forms::Form& form = visit.Open();
  const bool closable = form.ControlBox();
  const std::string name = form.Name();
  Window(form).close();
  mvtest::Pump();
  forms::Form& opener = visit.Opener();
  bool shows = false;
  for (const forms::Form* shown : program->s.rt.Windows().Forms())
    shows = shows || (shown->Name() == name && shown->Visible());
  EXPECT_EQ(shows, !closable);
  EXPECT_EQ(opener.Enabled(), closable);
  EXPECT_EQ(opener.IsActive(), closable);
  if (closable) {
    EXPECT_EQ(QApplication::activeWindow(), &Window(opener));
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllWindows, QtWindowStacking,
    testing::Range(0, static_cast<int>(QtWindowWalk::Visits(nullptr).size())),
    [](const testing::TestParamInfo<int>& info) {
      return std::string(QtWindowWalk::Visits(nullptr)[static_cast<std::size_t>(info.param)].Name);
    });

}  // namespace
