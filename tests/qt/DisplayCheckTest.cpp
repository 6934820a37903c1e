// The program refuses to start, with a reason, where Qt could open no window and would abort.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/qt/QtPlatform.h"

namespace {

// Sets environment variables for one test and puts the old values back.
class Environment {
 public:
  ~Environment() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }
  void Set(const std::string& name, const char* value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value) {
      setenv(name.c_str(), value, 1);
    } else {
      unsetenv(name.c_str());
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

#ifdef __linux__
TEST(DisplayCheck, TheX11PluginWithoutADisplayIsRefused) {
  Environment env;
  env.Set("DISPLAY", nullptr);
  env.Set("WAYLAND_DISPLAY", nullptr);
  env.Set("QT_QPA_PLATFORM", "xcb");
  EXPECT_FALSE(forms::qt::DisplayProblem().empty());
}

TEST(DisplayCheck, AScreenlessPluginNeedsNoDisplay) {
  Environment env;
  env.Set("DISPLAY", nullptr);
  env.Set("WAYLAND_DISPLAY", nullptr);
  env.Set("QT_QPA_PLATFORM", "offscreen");
  EXPECT_EQ(forms::qt::DisplayProblem(), "");
  env.Set("QT_QPA_PLATFORM", "xcb;offscreen");
  EXPECT_EQ(forms::qt::DisplayProblem(), "");
}

TEST(DisplayCheck, NoDisplayAndNoPluginIsRefused) {
  Environment env;
  env.Set("DISPLAY", nullptr);
  env.Set("WAYLAND_DISPLAY", nullptr);
  env.Set("QT_QPA_PLATFORM", nullptr);
  EXPECT_FALSE(forms::qt::DisplayProblem().empty());
  env.Set("DISPLAY", ":0");
  EXPECT_EQ(forms::qt::DisplayProblem(), "");
}
#endif

}  // namespace
