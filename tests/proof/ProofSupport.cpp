#include "ProofSupport.h"

#include <stdexcept>

namespace prooftest {

namespace {

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

Rows Content(mvtest::TestApp& app) {
  Rows rows;
  for (const char* table : {"tbl_Mitarbeiter", "tbl_Teams", "tbl_User", "tbl_Kalender",
                            "tbl_Notizen", "tbl_Ferien", "tbl_Abhängigkeiten"}) {
    const Rows stored =
        app.Query(std::string("SELECT '") + table + "', * FROM \"" + table + "\" ORDER BY rowid");
    rows.insert(rows.end(), stored.begin(), stored.end());
  }
  return rows;
}

std::string IntegrityCheck(mvtest::TestApp& app) {
  std::string findings;
  for (const auto& row : app.Query("PRAGMA integrity_check"))
    findings += (findings.empty() ? "" : "; ") + row.at(0);
  return findings;
}

OtherProgramLock::OtherProgramLock(const std::filesystem::path& file, LockKind kind) {
  if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
    throw std::runtime_error("cannot open " + file.string());
  try {
    Run(db_, kind == LockKind::Exclusive ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE");
  } catch (...) {
    sqlite3_close(db_);
    throw;
  }
}

OtherProgramLock::~OtherProgramLock() { Release(); }

void OtherProgramLock::Release() {
  if (!db_) return;
  // Closing ends the transaction all the same.
  sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(db_);
  db_ = nullptr;
}

}  // namespace prooftest
