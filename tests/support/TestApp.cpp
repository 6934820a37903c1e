#include "support/TestApp.h"

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "calendar/frmKalender.h"
#include "core/Main.h"
#include "core/Settings.h"
#include "core/frmLogin.h"
#include "db/Connection.h"
#include "db/Criteria.h"

namespace mvtest {

namespace {

std::string ReadSchema() {
  std::ifstream in(MV_SCHEMA_SQL);
  if (!in) throw std::runtime_error("cannot read the schema " MV_SCHEMA_SQL);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Handle {
  explicit Handle(const std::filesystem::path& path) {
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
      throw std::runtime_error("cannot open " + path.string());
    sqlite3_busy_timeout(db, 5000);
  }
  ~Handle() { sqlite3_close(db); }
  sqlite3* db = nullptr;
};

}  // namespace

TestApp::TestApp() {
  db::CreateDatabaseFile(DbPath().string(), ReadSchema());
  program = std::make_unique<mv::Program>(platform);
}

void TestApp::Sql(const std::string& nativeSql) {
  Handle h(DbPath());
  char* error = nullptr;
  if (sqlite3_exec(h.db, nativeSql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error(message + " in: " + nativeSql);
  }
}

std::vector<std::vector<std::string>> TestApp::Query(const std::string& nativeSql) {
  Handle h(DbPath());
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(h.db, nativeSql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
    throw std::runtime_error(std::string(sqlite3_errmsg(h.db)) + " in: " + nativeSql);
  std::vector<std::vector<std::string>> rows;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    std::vector<std::string> row;
    for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
      const unsigned char* text = sqlite3_column_text(stmt, c);
      row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
    rows.push_back(std::move(row));
  }
  sqlite3_finalize(stmt);
  return rows;
}

long long TestApp::Scalar(const std::string& nativeSql) {
  auto rows = Query(nativeSql);
  if (rows.empty() || rows[0].empty()) throw std::runtime_error("no value from: " + nativeSql);
  return std::stoll(rows[0][0]);
}

void TestApp::AddTeam(int teamNr, const std::string& name, int maxAbw) {
  Sql("INSERT INTO tbl_Teams (TeamNr, TeamName, MaxAbw) VALUES (" + std::to_string(teamNr) + ", " +
      db::Quote(name) + ", " + std::to_string(maxAbw) + ")");
}

void TestApp::AddEmployee(long persNr, const std::string& nachname, const std::string& vorname,
                          int teamNr, int uTage, const std::string& telNr,
                          const std::string& mail) {
  Sql("INSERT INTO tbl_Mitarbeiter (PersNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage) VALUES "
      "(" +
      std::to_string(persNr) + ", " + db::Quote(nachname) + ", " + db::Quote(vorname) + ", " +
      db::Quote(telNr) + ", " + db::Quote(mail) + ", " + std::to_string(teamNr) + ", " +
      std::to_string(uTage) + ")");
}

void TestApp::AddLogin(long persNr, const std::string& loginId, const std::string& password,
                       int group) {
  Sql("INSERT INTO tbl_User (PersNr, LoginID, Passwort, Gruppe) VALUES (" + std::to_string(persNr) +
      ", " + db::Quote(loginId) + ", " + db::Quote(password) + ", " + std::to_string(group) + ")");
}

void TestApp::AddEntry(long persNr, const db::Date& day, const std::string& kennZ, long notiz) {
  Sql("INSERT INTO tbl_Kalender (PersNr, Datum, KennZ, Notiz) VALUES (" + std::to_string(persNr) +
      ", '" + day.ToIso() + "', " + db::Quote(kennZ) + ", " + std::to_string(notiz) + ")");
}

long TestApp::AddNote(const std::string& text) {
  Sql("INSERT INTO tbl_Notizen (Text) VALUES (" + db::Quote(text) + ")");
  return static_cast<long>(Scalar("SELECT max(LfdNr) FROM tbl_Notizen"));
}

void TestApp::AddHoliday(const db::Date& day, long notiz) {
  Sql("INSERT INTO tbl_Ferien (Datum, notiz) VALUES ('" + day.ToIso() + "', " +
      std::to_string(notiz) + ")");
}

void TestApp::AddDependency(long persNr, long dep1, long dep2, long dep3) {
  Sql("INSERT INTO tbl_Abhängigkeiten (PersNr, AbhPersNr1, AbhPersNr2, AbhPersNr3) VALUES (" +
      std::to_string(persNr) + ", " + std::to_string(dep1) + ", " + std::to_string(dep2) + ", " +
      std::to_string(dep3) + ")");
}

void TestApp::ExpectBoxNaming(const std::string& text) {
  platform.ExpectMessageBox(
      [text](const forms::MessageBoxRequest& r) {
        return r.Prompt.find(text) != std::string::npos;
      },
      forms::vbOK);
}

std::string TestApp::EntryOn(long persNr, const db::Date& day) {
  auto rows = Query("SELECT KennZ FROM tbl_Kalender WHERE PersNr = " + std::to_string(persNr) +
                    " AND Datum = '" + day.ToIso() + "'");
  if (rows.size() > 1) throw std::runtime_error("two rows for one employee and day");
  return rows.empty() ? "" : rows[0][0];
}

void TestApp::OpenProgram(int language) {
  mv::LoadSettingsAndTexts(s());
  s().Settings.Language = static_cast<std::uint8_t>(language);
  s().Conn.Open(db::JetConnectionString(DbPath().string()));
}

int TestApp::StartProgram() { return program->Start(); }

void TestApp::WriteSettings(const mv::SettingsRecord& record) {
  if (auto error = mv::WriteSettingsFile(Folder(), record)) throw std::runtime_error(*error);
}

void TestApp::CreateDatabase(const std::filesystem::path& path) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  db::CreateDatabaseFile(path.string(), ReadSchema());
}

mv::frmLogin* TestApp::LoginWindow() { return core().frmLogin.IfLoaded(); }

mv::frmKalender* TestApp::LoginAs(const std::string& loginId, const std::string& password) {
  mv::frmLogin& login = core().frmLogin.Get();
  if (!login.Visible()) throw std::runtime_error("LoginAs: the login window is not shown");
  login.txtID.UserSetText("");
  login.txtID.UserType(loginId);
  login.txtPW.UserSetText("");
  login.txtPW.UserType(password);
  login.cmdOK.UserClick();
  return calendar().frmKalender.IfLoaded();
}

mv::frmKalender& TestApp::EnterAs(long persNr, int group) {
  auto rows = Query("SELECT TeamNr, UTage, Nachname, Vorname FROM tbl_Mitarbeiter WHERE PersNr = " +
                    std::to_string(persNr));
  if (rows.empty()) throw std::runtime_error("no employee " + std::to_string(persNr));
  s().UserGroup = group;
  s().CurrentLoginID = "login" + std::to_string(persNr);
  if (group == mv::GroupEmployee) s().CurrentPersNr = persNr;
  s().CurrentTeam = std::stoi(rows[0][0]);
  s().UserTeam = s().CurrentTeam;
  s().UserVacationDays = std::stoi(rows[0][1]);
  s().CurrentUserName = rows[0][2] + ", " + rows[0][3];
  return calendar().frmKalender.Get();
}

}  // namespace mvtest
