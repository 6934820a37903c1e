// Opening a database file and the failures of opening.
#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include "DbTestSupport.h"

using dbtest::DbTest;
using dbtest::TempDir;

namespace {

// Fails with the kind given and a description naming the path (for the message box).
void ExpectOpenFails(const std::string& path, db::ErrorKind kind,
                     const std::string& cs = std::string()) {
  db::Connection c;
  try {
    c.Open(cs.empty() ? db::JetConnectionString(path) : cs, "", "", -1);
    ADD_FAILURE() << "opening succeeded: " << path;
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), kind) << e.what();
    EXPECT_FALSE(std::string(e.what()).empty());
    if (path.find_first_not_of(' ') != std::string::npos) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
  EXPECT_FALSE(c.IsOpen());
}

}  // namespace

TEST_F(DbTest, OpensTheProgramsConnectionStringWithBlanksPaddingQuotesOrASemicolonInThePath) {
  const std::string padded = file + std::string(100 - file.size() % 100, ' ');
  for (const std::string& cs :
       {"Provider = Microsoft.Jet.OLEDB.4.0;Data Source = " + file,
        "  provider=Microsoft.Jet.OLEDB.4.0 ;  DATA   SOURCE   =   " + padded,
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"" + file + "\""}) {
    db::Connection c;
    c.Open(cs, "", "", -1);
    EXPECT_EQ(c.State(), 1) << cs;
    EXPECT_EQ(c.Path(), file);
    db::Recordset rs;
    rs.Open("tbl_Teams", c, db::CursorType::Static, db::LockType::Pessimistic);
    EXPECT_TRUE(rs.IsOpen());
    c.Close();
    EXPECT_FALSE(c.IsOpen());
    EXPECT_EQ(c.State(), 0);
    c.Close();  // twice is fine
  }
  EXPECT_THROW(conn.Open(db::JetConnectionString(file)), db::Error);  // already open
  EXPECT_TRUE(conn.IsOpen());

  // The program's connection string quotes a folder whose name holds a ';' or starts with a quote.
  for (const char* folder : {"Abwesenheiten; 2024", "Team \"A\"; B", "'Planung'"}) {
    const std::string other = (dir.Path() / folder / "Morvellan.mdb").string();
    std::filesystem::create_directories(dir.Path() / folder);
    db::CreateDatabaseFile(other, dbtest::ReadSchema());
    db::Connection c;
    c.Open(db::JetConnectionString(other));
    EXPECT_EQ(c.Path(), other);
  }
}

TEST(DbConnection, AMissingEmptyOrFolderPathOrAFileThatIsNoDatabaseFailsAndCreatesNothing) {
  TempDir d;
  const std::string text = d.File("text.mdb");
  {
    std::ofstream out(text);
    for (int i = 0; i < 50; ++i) out << "This is a text file and not a database at all.\n";
  }
  std::ofstream(d.File("empty.mdb")).flush();
  const std::pair<std::string, db::ErrorKind> cases[] = {
      {d.File("nothing.mdb"), db::ErrorKind::FileNotFound},
      {"", db::ErrorKind::FileNotFound},
      {std::string(100, ' '), db::ErrorKind::FileNotFound},
      {d.Path().string(), db::ErrorKind::FileNotFound},
      {"/nonexistent/folder/x.mdb", db::ErrorKind::FileNotFound},
      {text, db::ErrorKind::NotADatabase},
      {d.File("empty.mdb"), db::ErrorKind::NotADatabase}};
  for (const auto& [path, kind] : cases) ExpectOpenFails(path, kind);
  ExpectOpenFails("", db::ErrorKind::ConnectionString, "Provider = Microsoft.Jet.OLEDB.4.0;");
  EXPECT_FALSE(std::filesystem::exists(d.File("nothing.mdb")));
}

TEST(DbConnection, AForeignFileWhoseTablesNeverEndFailsWithADescriptionInsteadOfHanging) {
  TempDir d;
  const std::string file = d.File("Morvellan.mdb");
  db::CreateDatabaseFile(file,
                         "CREATE VIEW tbl_Teams AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                         "SELECT i + 1 FROM n) SELECT i AS TeamNr, 'x' AS TeamName FROM n;"
                         "CREATE TABLE tbl_Ferien (Datum DATE, notiz INTEGER);"
                         "CREATE TRIGGER endless BEFORE INSERT ON tbl_Ferien "
                         "BEGIN SELECT count(*) FROM tbl_Teams; END;");
  db::Connection c;
  c.Open(db::JetConnectionString(file));
  const auto expectEndlessReported = [](const std::function<void()>& action, const char* what) {
    try {
      action();
      ADD_FAILURE() << what << " succeeded";
    } catch (const db::Error& e) {
      EXPECT_NE(std::string(e.what()).find("does not come to an end"), std::string::npos)
          << what << ": " << e.what();
    }
  };
  db::Recordset teams, holidays;
  expectEndlessReported([&] { teams.Open("tbl_Teams", c, 3, 1); }, "the table");
  holidays.Open("tbl_Ferien", c, db::CursorType::Dynamic, db::LockType::Pessimistic);
  expectEndlessReported(
      [&] {
        holidays.AddNew();
        holidays["Datum"] = "2007-12-24";
        holidays.Update();
      },
      "the write");
  EXPECT_EQ(holidays.RecordCount(), 0);
}

TEST(DbConnection, MissingTableFailsAtFirstUseNotAtOpening) {
  TempDir d;
  std::string path = d.File("partial.mdb");
  db::CreateDatabaseFile(path,
                         "CREATE TABLE tbl_User (PersNr INTEGER NOT NULL, LoginID TEXT NOT NULL, "
                         "Passwort TEXT NOT NULL, Gruppe INTEGER NOT NULL);");
  db::Connection c;
  ASSERT_NO_THROW(c.Open(db::JetConnectionString(path)));
  db::Recordset users;
  EXPECT_NO_THROW(users.Open("tbl_User", c, db::CursorType::Dynamic, db::LockType::Pessimistic));
  db::Recordset rs;
  try {
    rs.Open("tbl_Kalender", c, db::CursorType::Static, db::LockType::Pessimistic);
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::TableNotFound);
    EXPECT_NE(std::string(e.what()).find("tbl_Kalender"), std::string::npos);
  }
  EXPECT_FALSE(rs.IsOpen());
  try {
    rs.Open("SELECT tbl_Kalender.PersNr FROM tbl_Kalender WHERE tbl_Kalender.PersNr= 1;", c,
            db::CursorType::Static, db::LockType::Pessimistic);
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::TableNotFound) << e.what();
  }
  // A table that another copy drops while this one runs is missing the same way.
  users.Close();
  db::Connection other;
  other.Open(db::JetConnectionString(path));
  other.ExecuteNative("DROP TABLE tbl_User");
  try {
    users.Open("tbl_User", c, db::CursorType::Dynamic, db::LockType::Pessimistic);
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::TableNotFound) << e.what();
    EXPECT_NE(std::string(e.what()).find("tbl_User"), std::string::npos);
  }
}

TEST(DbConnection, CreateDatabaseFileRefusesExistingFile) {
  TempDir d;
  std::string path = d.File("x.mdb");
  db::CreateDatabaseFile(path, dbtest::ReadSchema());
  EXPECT_THROW(db::CreateDatabaseFile(path, dbtest::ReadSchema()), db::Error);
  EXPECT_THROW(db::CreateDatabaseFile(d.File("bad.mdb"), "CREATE TABLE broken ("), db::Error);
  EXPECT_FALSE(std::filesystem::exists(d.File("bad.mdb")));
}

TEST_F(DbTest, RecordsetsKeepTheirRowsAfterTheConnectionCloses) {
  AddEmployee(1, "Meier", "Anna", 0);
  db::Recordset rs;
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  conn.Close();
  EXPECT_EQ(rs["Nachname"].Text(), "Meier");
  try {
    rs["Nachname"] = "Huber";
    rs.Update();
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::NotOpen);
  }
  EXPECT_EQ(rs["Nachname"].Text(), "Meier");
}

TEST_F(DbTest, AWriteWaitsForAnotherCopysLock) {
  AddEmployee(1, "Meier", "Anna", 0);
  db::Connection other;
  other.Open(db::JetConnectionString(file));
  db::Recordset rs;
  rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);

  other.ExecuteNative(
      "BEGIN IMMEDIATE; INSERT INTO tbl_Kalender (PersNr, Datum, KennZ) VALUES (2, '2007-03-01', "
      "'U?');");
  std::atomic<bool> committed{false};
  std::thread t([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    committed = true;
    other.ExecuteNative("COMMIT");
  });
  auto start = std::chrono::steady_clock::now();
  rs.AddNew();
  rs["PersNr"] = 1;
  rs["Datum"] = "05.03.2007";
  rs["KennZ"] = "U?";
  EXPECT_NO_THROW(rs.Update());
  auto waited = std::chrono::steady_clock::now() - start;
  t.join();
  EXPECT_TRUE(committed.load());
  EXPECT_GE(waited, std::chrono::milliseconds(300));
  EXPECT_EQ(Count(""), 2);
}

TEST_F(DbTest, AFailedWriteLeavesTheFileAndTheRowUnchanged) {
  AddEmployee(1, "Meier", "Anna", 0);
  db::Recordset rs;
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  rs["Nachname"] = std::string(21, 'x');  // text (20)
  EXPECT_THROW(rs.Update(), db::Error);
  EXPECT_EQ(rs["Nachname"].Text(), "Meier");
  EXPECT_EQ(rs.GetEditMode(), db::EditMode::None);

  rs.AddNew();
  rs["PersNr"] = 1;  // unique
  rs["Nachname"] = "Zweiter";
  rs["Vorname"] = "X";
  rs["TelNr"] = "*";
  rs["Mail"] = "*";
  rs["TeamNr"] = 0;
  rs["UTage"] = 1;
  EXPECT_THROW(rs.Update(), db::Error);
  EXPECT_EQ(rs.RecordCount(), 1);
  EXPECT_EQ(Count("", "tbl_Mitarbeiter"), 1);
  db::Recordset check;
  check.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::ReadOnly);
  EXPECT_EQ(check["Nachname"].Text(), "Meier");
}
