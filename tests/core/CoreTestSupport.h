#pragma once
// A program folder with a database, settings.dat and a few logins, started through mv::Main.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calendar/frmKalender.h"
#include "core/Main.h"
#include "core/Settings.h"
#include "core/Texts.h"
#include "core/frmLogin.h"
#include "db/Db.h"
#include "support/TestApp.h"

namespace coretest {

// Text 149 names the local database file of the program folder.
inline std::string Text149(int language, const std::filesystem::path& folder) {
  mv::TextTable texts;
  texts.Fill(folder.string());
  return texts(149, language);
}

inline std::vector<unsigned char> FileBytes(const std::filesystem::path& path) {
  if (!std::filesystem::is_regular_file(path)) return {};
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline mv::SettingsRecord Settings(int language, const std::string& databasePath,
                                   short maskPassword = 0) {
  mv::SettingsRecord record;
  record.Language = static_cast<std::uint8_t>(language);
  record.MaskPassword = maskPassword;
  record.CalendarFont = "Verdana";
  record.DatabasePath = databasePath;
  return record;
}

// Two teams, four employees and their logins: an administrator, the back office, two employees.
inline void SeedFirm(mvtest::TestApp& app) {
  app.AddTeam(0, "Vertrieb");
  app.AddTeam(1, "Technik");
  app.AddEmployee(10, "Adler", "Anna", 0, 28);
  app.AddEmployee(20, "Berger", "Bernd", 1, 30);
  app.AddEmployee(30, "Conrad", "Clara", 1, 25);
  app.AddEmployee(40, "O'Brien", "Sean", 0, 20);
  app.AddLogin(10, "admin", "Geheim1", 1);
  app.AddLogin(20, "buero", "Buero2", 2);
  app.AddLogin(30, "clara", "Clara3", 3);
  app.AddLogin(40, "o'brien", "Kl33", 3);
}

// A program whose database holds the firm above.
class Program : public ::testing::Test {
 protected:
  void SetUp() override { SeedFirm(app); }

  mv::State& s() { return app.s(); }
  forms::HeadlessPlatform& platform() { return app.platform; }
  // Starts with settings.dat naming the program's own database, in this language and masking.
  void Start(int language = 1, short maskPassword = 0) {
    app.WriteSettings(Settings(language, app.DbPath().string(), maskPassword));
    ASSERT_EQ(app.StartProgram(), 0);
    ASSERT_NE(Login(), nullptr);
  }

  mv::frmLogin* Login() { return app.LoginWindow(); }
  mv::frmKalender* Main() { return app.calendar().frmKalender.IfLoaded(); }
  // Expects text 136 for the next refused login.
  void ExpectRefusal() { platform().ExpectMessageBox(s().T(136), forms::vbOK); }

  mvtest::TestApp app;
};

}  // namespace coretest
