// The Jet dialect translated for SQLite. The windows' tests run the program's own SQL texts.
#include "DbTestSupport.h"

using dbtest::DbTest;

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
    for (const char* day : {"2007-03-06", "2007-03-07", "2007-03-08", "2007-04-02", "2006-03-05",
                            "2003-06-01", "2003-12-31"})
      AddEntry(17, day, "U/");
    AddEntry(17, "2007-03-05", "U/", 1);
    AddEntry(17, "2007-03-12", "K/");
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

// The month calendar's member query; its number is written with the leading blank of Str().
std::string SqlTeam(int team, const std::string& sortOrder) {
  return "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname FROM "
         "tbl_Mitarbeiter "
         "GROUP BY tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname, "
         "tbl_Mitarbeiter.TeamNr HAVING (((tbl_Mitarbeiter.TeamNr)=  " +
         std::to_string(team) + ")) ORDER BY tbl_Mitarbeiter.Nachname " + sortOrder + ";";
}

}  // namespace

// GROUP BY ... HAVING; ORDER BY puts umlauts with their base letters.
TEST_F(DbJetSql, MemberQueryOfTheMonthCalendar) {
  const std::string sql = SqlTeam(2, "ASC");
  db::Recordset rs = Open(sql);
  EXPECT_EQ(Column(rs, "Nachname"), V({"Ärger", "Berg", "Zander"}));
  EXPECT_EQ(Column(rs, "PersNr"), V({"3", "9", "17"}));
  db::Recordset desc = Open(SqlTeam(2, "DESC"));
  EXPECT_EQ(Column(desc, "Nachname"), V({"Zander", "Berg", "Ärger"}));
  EXPECT_GT(db::CompareText("Þór", "Zander"), 0);  // thorn is a letter of its own, after z
  db::Recordset none = Open(SqlTeam(5, "ASC"));
  EXPECT_EQ(none.RecordCount(), 0);
  // Equal rows (same PersNr, names and team) make one member row.
  Exec("DROP INDEX ix_Mitarbeiter_PersNr");
  AddEmployee(9, "Berg", "Bernd", 2, 12);
  EXPECT_EQ(Open(sql).RecordCount(), 3);
}

TEST_F(DbJetSql, DialectFeatures) {
  const std::pair<const char*, int> counts[] = {
      {"SELECT * FROM tbl_Mitarbeiter WHERE Nachname LIKE 'Z*'", 1},
      {"SELECT * FROM tbl_Mitarbeiter WHERE Nachname LIKE 'ä*'", 1},
      {"SELECT * FROM tbl_Mitarbeiter WHERE Nachname = 'ÄRGER'", 1},
      {"SELECT * FROM tbl_Mitarbeiter WHERE Nachname = \"berg\"", 1},
      {"SELECT * FROM tbl_Mitarbeiter WHERE Nachname = 'O''Brien'", 0},
      {"SELECT DISTINCTROW tbl_Mitarbeiter.TeamNr FROM tbl_Mitarbeiter", 5},
      {"SELECT DISTINCT TeamNr FROM tbl_Mitarbeiter", 3},
      {"SELECT * FROM tbl_Kalender WHERE Datum = #2007-03-05#", 2},
      {"SELECT * FROM tbl_Kalender WHERE Datum = #3/5/2007#", 2},
      {"SELECT * FROM TBL_ABHÄNGIGKEITEN", 0},
      {"SELECT * FROM [tbl_abhängigkeiten]", 0},
      {"VALUES (1), (2)", 2},
      {"SELECT [PersNr] FROM [tbl_Kalender] GROUP BY [PersNr] HAVING Count([KennZ]) > 2", 1},
  };
  for (const auto& [sql, count] : counts) EXPECT_EQ(Open(sql).RecordCount(), count) << sql;
  const std::pair<const char*, std::string> values[] = {
      {"SELECT Count(*) AS v FROM tbl_Kalender", "11"},
      {"SELECT Count([KennZ]) AS v FROM [tbl_Kalender] GROUP BY [PersNr] ORDER BY [PersNr];", "2"},
      {"SELECT Left$('Morvellan', 3) & Right$('Morvellan', 2) AS v", "Moran"},
      {"SELECT Mid('Morvellan', 4, 3) AS v", "vel"},
      {"SELECT Len('Müller') AS v", "6"},
      {"SELECT UCase('müller') AS v", "MÜLLER"},
      {"SELECT Day([Datum]) AS v FROM tbl_Kalender WHERE KennZ = 'K/'", "12"},
      {"SELECT Year('5.3.2007') AS v", "2007"},  // a day written as the user reads it
      {"SELECT Nachname AS v, TeamNr FROM tbl_Mitarbeiter ORDER BY 1,2", "Ärger"},  // numbers
      {"SELECT Nachname AS v FROM tbl_Mitarbeiter ORDER BY TeamNr DESC, v", "Ärger"},
  };
  for (const auto& [sql, value] : values) EXPECT_EQ(Open(sql)["v"].Text(), value) << sql;
  EXPECT_THROW(Open("SELECT * FROM tbl_Kalender WHERE"), db::Error);
}
