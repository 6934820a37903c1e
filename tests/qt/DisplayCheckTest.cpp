// The program refuses to start, with a reason, where Qt could open no window and would abort.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "forms/qt/QtPlatform.h"

namespace {

#ifdef __linux__
TEST(DisplayCheck, OnlyAScreenlessPluginOrADisplayLetsQtStart) {
  const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i)
    if (const char* value = std::getenv(names[i])) saved[i] = value;
  const struct {
    const char* display;
    const char* plugin;
    bool refused;
  } cases[] = {{nullptr, "xcb", true},  // the X11 plugin named without a display
               {nullptr, "offscreen", false},
               {nullptr, "xcb;offscreen", false},
               {nullptr, nullptr, true},
               {":0", nullptr, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.display ? c.display : "-") + " " + (c.plugin ? c.plugin : "-"));
    const char* values[] = {c.display, nullptr, c.plugin};
    for (int i = 0; i < 3; ++i) values[i] ? setenv(names[i], values[i], 1) : unsetenv(names[i]);
    EXPECT_EQ(forms::qt::DisplayProblem().empty(), !c.refused);
  }
  for (int i = 0; i < 3; ++i)
    saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
}
#endif

}  // namespace
