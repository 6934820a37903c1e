#pragma once
// Helpers of the database layer's tests: a temporary folder with a database made from
// data/schema.sql.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "db/Db.h"

namespace dbtest {

inline std::string ReadSchema() {
  std::ifstream in(MV_SCHEMA_SQL);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Whether action fails with a db::Error of this kind whose description holds text.
template <class Action>
::testing::AssertionResult Fails(Action&& action, db::ErrorKind kind,
                                 const std::string& text = "") {
  try {
    action();
  } catch (const db::Error& e) {
    if (e.Kind() == kind && std::string(e.what()).find(text) != std::string::npos)
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "kind " << static_cast<int>(e.Kind()) << ": " << e.what();
  }
  return ::testing::AssertionFailure() << "no failure";
}

// A fresh temporary folder, removed at the end of the test.
struct TempDir {
  TempDir() { std::filesystem::create_directories(path); }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string File(const std::string& name) const { return (path / name).string(); }
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("mv_dbtest_" + std::to_string(std::random_device{}()) + "_" +
                                      std::to_string(std::random_device{}()));
};

// Fixture: a new database from the schema, opened on conn.
class DbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file = dir.File("Morvellan.mdb");
    db::CreateDatabaseFile(file, ReadSchema());
    conn.Open(db::JetConnectionString(file));
  }

  // Native inserts for test data.
  void Exec(const std::string& sql) { conn.ExecuteNative(sql); }

  void AddEmployee(int persNr, const std::string& last, const std::string& first, int team,
                   int days = 30, const std::string& tel = "*") {
    Exec(
        "INSERT INTO tbl_Mitarbeiter (PersNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage) "
        "VALUES (" +
        std::to_string(persNr) + ", " + db::Quote(last) + ", " + db::Quote(first) + ", " +
        db::Quote(tel) + ", '*', " + std::to_string(team) + ", " + std::to_string(days) + ")");
  }
  void AddEntry(int persNr, const std::string& isoDate, const std::string& kennz, int notiz = 0) {
    Exec("INSERT INTO tbl_Kalender (PersNr, Datum, KennZ, Notiz) VALUES (" +
         std::to_string(persNr) + ", '" + isoDate + "', " + db::Quote(kennz) + ", " +
         std::to_string(notiz) + ")");
  }

  // count(*) of a table's rows where the condition holds, read through another connection.
  long long Count(const std::string& where, const std::string& table = "tbl_Kalender") {
    db::Connection c;
    c.Open(db::JetConnectionString(file));
    db::Recordset rs;
    rs.Open("SELECT Count(*) AS n FROM " + table + (where.empty() ? "" : " WHERE " + where), c,
            db::CursorType::Static, db::LockType::ReadOnly);
    return rs["n"].Int64();
  }

  TempDir dir;
  std::string file;
  db::Connection conn;
};

}  // namespace dbtest
