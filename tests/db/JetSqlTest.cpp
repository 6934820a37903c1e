// The Jet dialect translated for SQLite. The windows' tests run the program's own SQL texts.
#include "DbTestSupport.h"
#include "db/Internal.h"

using dbtest::DbTest;
using dbtest::Str;

namespace {

class DbJetSql : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    AddEmployee(17, "Zander", "Zoe", 2, 28);
    AddEmployee(3, "Ärger", "Anna", 2, 30);
    AddEmployee(9, "Berg", "Bernd", 2, 25);
    AddEmployee(4, "Other", "Team", 1, 20);
    AddEmployee(20, "Nullteam", "N", 0, 10);
    AddEntry(17, "2007-03-05", "U/", 1);
    AddEntry(17, "2007-03-06", "U/");
    AddEntry(17, "2007-03-07", "U?");
    AddEntry(17, "2007-03-08", "U!");
    AddEntry(17, "2007-03-12", "K/");
    AddEntry(17, "2007-04-02", "U?");
    AddEntry(17, "2006-03-05", "U/");
    AddEntry(17, "2003-06-01", "Z/");
    AddEntry(17, "2003-12-31", "D?");
    AddEntry(3, "2007-03-05", "U/");
    AddEntry(3, "2003-02-01", "S!");
  }
  db::Recordset Open(const std::string& sql) {
    db::Recordset rs;
    rs.Open(sql, conn, db::CursorType::Static, db::LockType::Pessimistic, -1);
    return rs;
  }
  static std::vector<std::string> Column(db::Recordset& rs, const std::string& field) {
    std::vector<std::string> out;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) out.push_back(rs[field].Text());
    return out;
  }
  using V = std::vector<std::string>;
};

std::string SqlTeam(int team, const std::string& sortOrder) {
  return "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname FROM "
         "tbl_Mitarbeiter "
         "GROUP BY tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname, "
         "tbl_Mitarbeiter.TeamNr HAVING (((tbl_Mitarbeiter.TeamNr)= " +
         Str(team) + ")) ORDER BY tbl_Mitarbeiter.Nachname " + sortOrder + ";";
}

}  // namespace

// GROUP BY ... HAVING with a number written with its leading blank; ORDER BY puts umlauts with
// their base letters.
TEST_F(DbJetSql, MemberQueryOfTheMonthCalendar) {
  const std::string sql = SqlTeam(2, "ASC");
  db::Recordset rs = Open(sql);
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(Column(rs, "Nachname"), V({"Ärger", "Berg", "Zander"}));
  EXPECT_EQ(Column(rs, "PersNr"), V({"3", "9", "17"}));
  EXPECT_EQ(rs.FieldCount(), 3);
  db::Recordset desc = Open(SqlTeam(2, "DESC"));
  EXPECT_EQ(Column(desc, "Nachname"), V({"Zander", "Berg", "Ärger"}));
  db::Recordset none = Open(SqlTeam(5, "ASC"));
  EXPECT_EQ(none.RecordCount(), 0);
  EXPECT_TRUE(none.EOF());
  // Equal rows (same PersNr, names and team) make one member row.
  Exec("DROP INDEX ix_Mitarbeiter_PersNr");
  AddEmployee(9, "Berg", "Bernd", 2, 12);
  EXPECT_EQ(Open(sql).RecordCount(), 3);
}

TEST_F(DbJetSql, DialectFeatures) {
  EXPECT_EQ(Open("SELECT Count(*) AS n FROM tbl_Kalender")["n"].Int(), 11);
  db::Recordset g = Open(
      "SELECT [PersNr], Count([KennZ]) AS n FROM [tbl_Kalender] GROUP BY [PersNr] HAVING "
      "Count([KennZ]) > 2 "
      "ORDER BY [PersNr];");
  ASSERT_EQ(g.RecordCount(), 1);
  EXPECT_EQ(g["n"].Int(), 9);
  EXPECT_EQ(Open("SELECT * FROM tbl_Mitarbeiter WHERE Nachname LIKE 'Z*'").RecordCount(), 1);
  EXPECT_EQ(Open("SELECT * FROM tbl_Mitarbeiter WHERE Nachname LIKE 'ä*'").RecordCount(), 1);
  EXPECT_EQ(Open("SELECT * FROM tbl_Mitarbeiter WHERE Nachname = 'ÄRGER'").RecordCount(), 1);
  EXPECT_EQ(Open("SELECT * FROM tbl_Mitarbeiter WHERE Nachname = \"berg\"").RecordCount(), 1);
  EXPECT_EQ(Open("SELECT * FROM tbl_Mitarbeiter WHERE Nachname = 'O''Brien'").RecordCount(), 0);
  EXPECT_EQ(Open("SELECT DISTINCTROW tbl_Mitarbeiter.TeamNr FROM tbl_Mitarbeiter").RecordCount(),
            5);
  EXPECT_EQ(Open("SELECT DISTINCT TeamNr FROM tbl_Mitarbeiter").RecordCount(), 3);
  EXPECT_EQ(Open("SELECT * FROM tbl_Kalender WHERE Datum = #2007-03-05#").RecordCount(), 2);
  EXPECT_EQ(Open("SELECT * FROM tbl_Kalender WHERE Datum = #3/5/2007#").RecordCount(), 2);
  EXPECT_EQ(Open("SELECT Left$('Morvellan', 3) & Right$('Morvellan', 2) AS t")["t"].Text(),
            "Moran");
  EXPECT_EQ(Open("SELECT Mid('Morvellan', 4, 3) AS t, Len('Müller') AS n")["n"].Int(), 6);
  EXPECT_EQ(Open("SELECT UCase('müller') AS t")["t"].Text(), "MÜLLER");
  EXPECT_EQ(Open("SELECT Day([Datum]) AS d FROM tbl_Kalender WHERE KennZ = 'K/'")["d"].Int(), 12);
  EXPECT_EQ(Open("SELECT * FROM TBL_ABHÄNGIGKEITEN").RecordCount(), 0);
  EXPECT_EQ(Open("SELECT * FROM [tbl_abhängigkeiten]").RecordCount(), 0);
  try {
    Open("SELECT [Nope] FROM tbl_Kalender");
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::Sql) << e.what();
  }
  EXPECT_THROW(Open("SELECT * FROM tbl_Kalender WHERE"), db::Error);
}

TEST(DbJetTranslate, Texts) {
  std::vector<std::string> tables = {"tbl_Kalender", "tbl_Abhängigkeiten"};
  EXPECT_EQ(db::detail::TranslateJetSql("SELECT [tbl_Kalender].[Datum] FROM tbl_kalender", tables),
            "SELECT \"tbl_Kalender\".\"Datum\" FROM tbl_Kalender");
  EXPECT_EQ(db::detail::TranslateJetSql("SELECT * FROM t WHERE x LIKE 'a*b?'", tables),
            "SELECT * FROM t WHERE x LIKE 'a%b_'");
  EXPECT_EQ(db::detail::TranslateJetSql("SELECT Left$([KennZ],1) FROM t", tables),
            "SELECT MV_LEFT(\"KennZ\",1) FROM t");
  EXPECT_EQ(db::detail::TranslateJetSql("SELECT * FROM t ORDER BY a DESC, b;", tables),
            "SELECT * FROM t ORDER BY a COLLATE MV_TEXT DESC, b COLLATE MV_TEXT ;");
}
