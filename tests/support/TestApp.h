#pragma once
// A program on the headless platform with its own database file, for tests that drive windows.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/State.h"
#include "db/Date.h"
#include "forms/headless/HeadlessPlatform.h"
#include "program/Program.h"

namespace mv {
class frmKalender;
class frmLogin;
struct SettingsRecord;
}  // namespace mv

namespace mvtest {

class TestApp {
 public:
  // Creates Morvellan.mdb from the schema in the program folder; nothing is opened yet.
  TestApp();

  forms::HeadlessPlatform platform;
  std::unique_ptr<mv::Program> program;
  mv::State& s() { return program->s; }
  mv::CoreWindows& core() { return program->core; }
  mv::CalendarWindows& calendar() { return program->calendar; }
  mv::MasterDataWindows& masterdata() { return program->masterdata; }
  mv::OverviewWindows& overview() { return program->overview; }

  std::filesystem::path Folder() const { return platform.ProgramFolder(); }
  std::filesystem::path DbPath() const { return Folder() / "Morvellan.mdb"; }

  // Seeding and reading the database file directly (native SQLite), beside the program's
  // connection.
  void Sql(const std::string& nativeSql);
  std::vector<std::vector<std::string>> Query(const std::string& nativeSql);
  long long Scalar(const std::string& nativeSql);

  void AddTeam(int teamNr, const std::string& name, int maxAbw = 30);
  void AddEmployee(long persNr, const std::string& nachname, const std::string& vorname, int teamNr,
                   int uTage = 30, const std::string& telNr = "*", const std::string& mail = "*");
  void AddLogin(long persNr, const std::string& loginId, const std::string& password, int group);
  void AddEntry(long persNr, const db::Date& day, const std::string& kennZ, long notiz = 0);
  long AddNote(const std::string& text);
  void AddHoliday(const db::Date& day, long notiz = 0);
  void AddDependency(long persNr, long dep1, long dep2 = 0, long dep3 = 0);
  // Expects a message box (answered OK) whose prompt names this text: a failure the program shows
  // with the database layer's or the system's description.
  void ExpectBoxNaming(const std::string& text);
  // KennZ of an employee's day, "" when there is no row.
  std::string EntryOn(long persNr, const db::Date& day);

  // Settings and texts as the program reads them (mv::LoadSettingsAndTexts: settings.dat of the
  // program folder, a first start when there is none), the language then set to the one given
  // (German unless told), and the connection open on DbPath(). No window is loaded.
  void OpenProgram(int language = 1);

  // Start-up as the platform runs it: mv::Main. Returns its exit status (0: the login window is
  // shown).
  int StartProgram();
  // Writes settings.dat into the program folder, as the options dialog does.
  void WriteSettings(const mv::SettingsRecord& record);
  // A new database file with the seven tables of the schema at path (its folder is created).
  void CreateDatabase(const std::filesystem::path& path);
  // The login window when it is loaded, else nullptr.
  mv::frmLogin* LoginWindow();
  // Types the login name and the password into the real login window (loading it first when it is
  // not, as OpenProgram leaves it) and clicks OK. Returns the main window when the login succeeded,
  // nullptr when it was refused (text 136: script that message box with platform.ExpectMessageBox).
  mv::frmKalender* LoginAs(const std::string& loginId, const std::string& password);
  // The main window as a successful login of this employee with this group leaves it.
  mv::frmKalender& EnterAs(long persNr, int group);
};

}  // namespace mvtest
