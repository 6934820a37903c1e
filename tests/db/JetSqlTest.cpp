// The program's SQL texts, run unchanged, and the Jet dialect translation.
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
    // Employee 17: March 2007 and other months / years.
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
    Exec(
        "INSERT INTO tbl_Ferien (Datum, notiz) VALUES ('2008-01-01', 0), ('2008-05-01', 2), "
        "('2007-12-25', 0)");
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

std::string SqlMonth(int persNr, int month, int year) {
  return "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ, tbl_Kalender.Notiz "
         "FROM tbl_Kalender "
         "WHERE (((tbl_Kalender.PersNr)=" +
         Str(persNr) + ") AND ((Month([Datum]))=" + Str(month) +
         ") AND ((Year([Datum]))=" + Str(year) + "));";
}

}  // namespace

TEST_F(DbJetSql, MemberQueryOfTheMonthCalendar) {
  std::string sql = SqlTeam(2, "ASC");
  ASSERT_NE(sql.find("(((tbl_Mitarbeiter.TeamNr)=  2)) ORDER BY tbl_Mitarbeiter.Nachname ASC;"),
            std::string::npos);
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
  db::Recordset zero = Open(SqlTeam(0, "ASC"));
  EXPECT_EQ(Column(zero, "Vorname"), V({"N"}));
  // Equal rows (same PersNr, names and team) make one member row.
  Exec("DROP INDEX ix_Mitarbeiter_PersNr");
  AddEmployee(9, "Berg", "Bernd", 2, 12);
  EXPECT_EQ(Open(sql).RecordCount(), 3);
}

TEST_F(DbJetSql, MonthQueryOfOneEmployee) {
  db::Recordset rs = Open(SqlMonth(17, 3, 2007));
  EXPECT_EQ(rs.RecordCount(), 5);
  EXPECT_EQ(Column(rs, "KennZ"), V({"U/", "U/", "U?", "U!", "K/"}));
  rs.MoveFirst();
  EXPECT_EQ(rs["Datum"].Date().Day(), 5);
  EXPECT_EQ(rs["Notiz"].Int(), 1);
  EXPECT_EQ(rs["notiz"].Int(), 1);
  EXPECT_EQ(Open(SqlMonth(17, 4, 2007)).RecordCount(), 1);
  EXPECT_EQ(Open(SqlMonth(17, 3, 2006)).RecordCount(), 1);
  EXPECT_EQ(Open(SqlMonth(3, 3, 2007)).RecordCount(), 1);
  EXPECT_EQ(Open(SqlMonth(9, 3, 2007)).RecordCount(), 0);
}

TEST_F(DbJetSql, CountQueriesOfTheInfoPanel) {
  std::string base =
      "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ FROM tbl_Kalender WHERE "
      "(((tbl_Kalender.PersNr)=" +
      Str(17) + ") AND ((Month([Datum]))=" + Str(3) + ") AND ((Year([Datum]))=" + Str(2007) +
      ") AND KennZ = ";
  EXPECT_EQ(Open(base + "'U/');").RecordCount(), 2);
  EXPECT_EQ(Open(base + "'U?');").RecordCount(), 1);
  EXPECT_EQ(Open(base + "'U!');").RecordCount(), 1);
  EXPECT_EQ(Open(base + "'K/');").RecordCount(), 1);
  EXPECT_EQ(Open(base + "'K!');").RecordCount(), 0);
  EXPECT_EQ(Open(base + "'u/');").RecordCount(), 2);  // Jet compares texts without regard to case

  db::Recordset days = Open(
      "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.UTage FROM tbl_Mitarbeiter WHERE "
      "tbl_Mitarbeiter.PersNr=" +
      Str(17) + ";");
  EXPECT_EQ(days["UTage"].Int(), 28);

  // The vacation account: vacation entries of the year that are not declined ("U/" and "U?").
  std::string account =
      "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ FROM tbl_Kalender WHERE "
      "((tbl_Kalender.PersNr)=" +
      Str(17) + ") AND (Year([Datum])=" + Str(2007) +
      " AND (Left$([KennZ],1) = 'U') AND (Right$([KennZ],1) <> '!'));";
  EXPECT_EQ(Open(account).RecordCount(), 4);
}

TEST_F(DbJetSql, MemberCountMemberListAndHolidayCount) {
  auto count = [&](const std::string& nr) {
    return Open(
               "SELECT tbl_Mitarbeiter.TeamNr FROM tbl_Mitarbeiter WHERE "
               "(((tbl_Mitarbeiter.TeamNr)=" +
               nr + "));")
        .RecordCount();
  };
  EXPECT_EQ(count("2"), 3);
  EXPECT_EQ(count(" 2"), 3);
  EXPECT_EQ(count(" 1"), 1);
  EXPECT_EQ(count("7"), 0);
  // team management
  db::Recordset members = Open(
      "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Vorname, tbl_Mitarbeiter.Nachname, "
      "tbl_Mitarbeiter.TeamNr "
      "FROM tbl_Mitarbeiter WHERE tbl_Mitarbeiter.TeamNr = 2;");
  EXPECT_EQ(members.RecordCount(), 3);
  // holiday count of a year
  EXPECT_EQ(
      Open("SELECT tbl_Ferien.Datum FROM tbl_Ferien WHERE ((Year([Datum])=2008));").RecordCount(),
      2);
  EXPECT_EQ(
      Open("SELECT tbl_Ferien.Datum FROM tbl_Ferien WHERE ((Year([Datum])=2007));").RecordCount(),
      1);
}

TEST_F(DbJetSql, YearQueryOfTheAnnualOverview) {
  std::string sql = "SELECT * FROM tbl_Kalender WHERE (" + std::string("(tbl_Kalender.PersNr = ") +
                    "17" + ") AND " + "(Year([tbl_Kalender.Datum]))=" + Str(2003) + ");";
  ASSERT_EQ(sql,
            "SELECT * FROM tbl_Kalender WHERE ((tbl_Kalender.PersNr = 17) AND "
            "(Year([tbl_Kalender.Datum]))= 2003);");
  db::Recordset rs;
  rs.Open(sql, conn, db::CursorType::Static, db::LockType::ReadOnly, -1);
  EXPECT_EQ(rs.RecordCount(), 2);
  EXPECT_EQ(rs.FieldCount(), 4);
  rs.Filter("Datum = 31.12.2003");  // the annual grid's per-day filter
  ASSERT_EQ(rs.RecordCount(), 1);
  EXPECT_EQ(rs["KennZ"].Text(), "D?");
  rs.Filter(0);
  EXPECT_EQ(rs.RecordCount(), 2);
  // Find and Sort work on a query's rows too.
  rs.Find("KennZ = 'd?'");
  EXPECT_EQ(rs["Datum"].Text(), "31.12.2003");
  rs.Sort("KennZ DESC");
  EXPECT_EQ(rs["KennZ"].Text(), "Z/");
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
