#include "ProofSupport.h"

#include <stdexcept>

#include "core/Main.h"
#include "db/Connection.h"

namespace prooftest {

namespace {

struct Handle {
  explicit Handle(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
      throw std::runtime_error("cannot open " + file.string());
    sqlite3_busy_timeout(db, 5000);
  }
  ~Handle() { sqlite3_close(db); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  sqlite3* db = nullptr;
};

void Collect(sqlite3* db, const std::string& sql, Rows& rows) {
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
    throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in: " + sql);
  int rc;
  while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    std::vector<std::string> row;
    for (int c = 0; c < sqlite3_column_count(st); ++c) {
      const unsigned char* text = sqlite3_column_text(st, c);
      row.emplace_back(text ? reinterpret_cast<const char*>(text) : "<null>");
    }
    rows.push_back(std::move(row));
  }
  const std::string error = sqlite3_errmsg(db);
  sqlite3_finalize(st);
  if (rc != SQLITE_DONE) throw std::runtime_error(error + " in: " + sql);
}

void Run(sqlite3* db, const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error(message + " in: " + sql);
  }
}

}  // namespace

void CopyInto(mvtest::TestApp& app, const std::filesystem::path& seeded) {
  std::filesystem::copy_file(seeded, app.DbPath(),
                             std::filesystem::copy_options::overwrite_existing);
}

Rows Content(const std::filesystem::path& file) {
  Handle h(file);
  Rows rows;
  for (const char* table : {"tbl_Mitarbeiter", "tbl_Teams", "tbl_User", "tbl_Kalender",
                            "tbl_Notizen", "tbl_Ferien", "tbl_Abhängigkeiten"})
    Collect(h.db, std::string("SELECT '") + table + "', * FROM \"" + table + "\" ORDER BY rowid",
            rows);
  return rows;
}

std::string IntegrityCheck(const std::filesystem::path& file) {
  Handle h(file);
  Rows rows;
  Collect(h.db, "PRAGMA integrity_check", rows);
  std::string findings;
  for (const auto& row : rows) findings += (findings.empty() ? "" : "; ") + row.at(0);
  return findings;
}

OtherProgramLock::OtherProgramLock(const std::filesystem::path& file, LockKind kind) {
  if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
    throw std::runtime_error("cannot open " + file.string());
  Run(db_, kind == LockKind::Exclusive ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE");
}

OtherProgramLock::~OtherProgramLock() { Release(); }

void OtherProgramLock::Release() {
  if (!db_) return;
  // Closing ends the transaction all the same.
  sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(db_);
  db_ = nullptr;
}

mv::frmKalender& EnterSecondCopy(mvtest::TestApp& copy, const std::filesystem::path& file,
                                 long persNr, int group) {
  mv::LoadSettingsAndTexts(copy.s());
  copy.s().Settings.Language = mv::LanguageGerman;
  copy.s().Conn.Open(db::JetConnectionString(file.string()));
  return copy.EnterAs(persNr, group);
}

}  // namespace prooftest
