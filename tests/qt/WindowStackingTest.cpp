// Windows that keep the main window disabled while they show, as a window manager may treat them:
// minimized from their title bar, the main window clicked while they show.
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

INSTANTIATE_TEST_SUITE_P(
    AllWindows, QtWindowStacking,
    testing::Range(0, static_cast<int>(QtWindowWalk::Visits(nullptr).size())),
    [](const testing::TestParamInfo<int>& info) {
      return std::string(QtWindowWalk::Visits(nullptr)[static_cast<std::size_t>(info.param)].Name);
    });

}  // namespace
