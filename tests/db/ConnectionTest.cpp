// Opening a database file and the failures of opening.
#include <fstream>

#include "DbTestSupport.h"

using dbtest::DbTest;
using dbtest::Fails;
using dbtest::TempDir;

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
    EXPECT_EQ(c.State(), 0);
    c.Close();  // twice is fine
  }
  EXPECT_THROW(conn.Open(db::JetConnectionString(file)), db::Error);  // already open
  EXPECT_TRUE(conn.IsOpen());

  // The program's connection string quotes a folder whose name holds a ';' or starts with a quote.
  for (const char* folder : {"Abwesenheiten; 2024", "Team \"A\"; B", "'Planung'"}) {
    const std::string other = (dir.path / folder / "Morvellan.mdb").string();
    std::filesystem::create_directories(dir.path / folder);
    db::CreateDatabaseFile(other, dbtest::ReadSchema());
    db::Connection c;
    c.Open(db::JetConnectionString(other));
    EXPECT_EQ(c.Path(), other);
  }
}

// Each fails with its kind and a description naming the path (for the message box).
TEST(DbConnection, AMissingEmptyOrFolderPathOrAFileThatIsNoDatabaseFailsAndCreatesNothing) {
  TempDir d;
  const std::string text = d.File("text.mdb");
  {
    std::ofstream out(text);
    for (int i = 0; i < 50; ++i) out << "This is a text file and not a database at all.\n";
  }
  std::ofstream(d.File("empty.mdb")).flush();
  using K = db::ErrorKind;
  const std::pair<std::string, K> cases[] = {
      {d.File("nothing.mdb"), K::FileNotFound},       {"", K::FileNotFound},
      {std::string(100, ' '), K::FileNotFound},       {d.path.string(), K::FileNotFound},
      {"/nonexistent/folder/x.mdb", K::FileNotFound}, {text, K::NotADatabase},
      {d.File("empty.mdb"), K::NotADatabase}};
  for (const auto& [path, kind] : cases) {
    db::Connection c;
    const std::string named = path.find_first_not_of(' ') == std::string::npos ? "" : path;
    EXPECT_TRUE(
        Fails([&c, p = path] { c.Open(db::JetConnectionString(p), "", "", -1); }, kind, named))
        << path;
    EXPECT_FALSE(c.IsOpen()) << path;
  }
  db::Connection c;
  EXPECT_TRUE(Fails([&] { c.Open("Provider = Microsoft.Jet.OLEDB.4.0;"); }, K::ConnectionString));
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
  db::Recordset teams, holidays;
  const std::string endless = "does not come to an end";
  EXPECT_TRUE(Fails([&] { teams.Open("tbl_Teams", c, 3, 1); }, db::ErrorKind::Sql, endless));
  holidays.Open("tbl_Ferien", c, db::CursorType::Dynamic, db::LockType::Pessimistic);
  const auto write = [&] {
    holidays.AddNew();
    holidays["Datum"] = "2007-12-24";
    holidays.Update();
  };
  EXPECT_TRUE(Fails(write, db::ErrorKind::Sql, endless));
  EXPECT_EQ(holidays.RecordCount(), 0);
}

// A table missing from the file, or dropped by another copy while this one runs, fails at its
// first use, naming it.
TEST(DbConnection, MissingTableFailsAtFirstUseNotAtOpening) {
  TempDir d;
  std::string path = d.File("partial.mdb");
  db::CreateDatabaseFile(path,
                         "CREATE TABLE tbl_User (PersNr INTEGER NOT NULL, LoginID TEXT NOT NULL, "
                         "Passwort TEXT NOT NULL, Gruppe INTEGER NOT NULL);");
  db::Connection c;
  ASSERT_NO_THROW(c.Open(db::JetConnectionString(path)));
  db::Recordset users, rs;
  EXPECT_NO_THROW(users.Open("tbl_User", c, db::CursorType::Dynamic, db::LockType::Pessimistic));
  const auto open = [&](db::Recordset& r, const std::string& source) {
    return
        [&r, &c, source] { r.Open(source, c, db::CursorType::Static, db::LockType::Pessimistic); };
  };
  constexpr auto kMissing = db::ErrorKind::TableNotFound;
  EXPECT_TRUE(Fails(open(rs, "tbl_Kalender"), kMissing, "tbl_Kalender"));
  EXPECT_FALSE(rs.IsOpen());
  EXPECT_TRUE(Fails(open(rs, "SELECT PersNr FROM tbl_Kalender WHERE PersNr= 1;"), kMissing));
  users.Close();
  db::Connection other;
  other.Open(db::JetConnectionString(path));
  other.ExecuteNative("DROP TABLE tbl_User");
  EXPECT_TRUE(Fails(open(users, "tbl_User"), kMissing, "tbl_User"));
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
  const auto write = [&] {
    rs["Nachname"] = "Huber";
    rs.Update();
  };
  EXPECT_TRUE(Fails(write, db::ErrorKind::NotOpen));
  EXPECT_EQ(rs["Nachname"].Text(), "Meier");
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
  for (const char* field : {"Nachname", "Vorname", "TelNr", "Mail"}) rs[field] = "X";
  rs["TeamNr"] = 0;
  rs["UTage"] = 1;
  EXPECT_THROW(rs.Update(), db::Error);
  EXPECT_EQ(rs.RecordCount(), 1);
  EXPECT_EQ(Count("", "tbl_Mitarbeiter"), 1);
  db::Recordset check;
  check.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::ReadOnly);
  EXPECT_EQ(check["Nachname"].Text(), "Meier");
}
