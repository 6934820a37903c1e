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
    c.Close();
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

  // A new file is never made over an existing one, nor left behind by a schema that fails.
  EXPECT_THROW(db::CreateDatabaseFile(text, dbtest::ReadSchema()), db::Error);
  EXPECT_TRUE(std::filesystem::exists(text));
  EXPECT_THROW(db::CreateDatabaseFile(d.File("bad.mdb"), "CREATE TABLE broken ("), db::Error);
  EXPECT_FALSE(std::filesystem::exists(d.File("bad.mdb")));
}

// A foreign file opens; a table that never ends fails with a description instead of hanging, and
// one that is missing, or dropped by another copy while this one runs, fails at its first use.
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

  constexpr auto kMissing = db::ErrorKind::TableNotFound;
  const auto open = [&c](db::Recordset& r, const std::string& source) {
    return [&r, &c, source] { r.Open(source, c, 3, 2); };
  };
  EXPECT_TRUE(Fails(open(teams, "tbl_Kalender"), kMissing, "tbl_Kalender"));
  EXPECT_FALSE(teams.IsOpen());
  EXPECT_TRUE(Fails(open(teams, "SELECT PersNr FROM tbl_Kalender WHERE PersNr= 1;"), kMissing));
  holidays.Close();
  db::Connection other;
  other.Open(db::JetConnectionString(file));
  other.ExecuteNative("DROP TABLE tbl_Ferien");
  EXPECT_TRUE(Fails(open(holidays, "tbl_Ferien"), kMissing, "tbl_Ferien"));
}

// A write the file refuses, or one after the connection closed, changes neither the file nor the
// row the user sees.
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
  EXPECT_EQ(Count("Nachname = 'Meier'", "tbl_Mitarbeiter"), 1);

  conn.Close();
  EXPECT_EQ(rs["Nachname"].Text(), "Meier");
  rs["Nachname"] = "Huber";
  EXPECT_TRUE(Fails([&] { rs.Update(); }, db::ErrorKind::NotOpen));
  EXPECT_EQ(rs["Nachname"].Text(), "Meier");
}
