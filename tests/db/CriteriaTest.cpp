// The criterion language of Find and Filter, Quote and the text rules.
#include "DbTestSupport.h"

using dbtest::DbTest;

namespace {

class DbCriteria : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    AddEmployee(1, "Müller", "Jürgen", 0, 30, "0711-1");
    AddEmployee(2, "Mueller", "Anna", 0, 25, "0711-2");
    AddEmployee(3, "O'Brien", "Seán", 1, 20, "*");
    AddEmployee(4, "ÖZDEMIR", "Ayşe", 1, 28, "089");
    AddEmployee(5, "Schmidt", "Ülrich", 2, 0, "12345");
    AddEmployee(12, "Meier", "Hans", 2, 30, "*");
    rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  }
  // PersNr of the visible rows after Filter(c), in order.
  std::vector<int> Filtered(const std::string& c) {
    rs.Filter(c);
    std::vector<int> out;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) out.push_back(rs["PersNr"].Int());
    EXPECT_EQ(static_cast<long>(out.size()), rs.RecordCount()) << c;
    rs.Filter(0);
    return out;
  }
  using V = std::vector<int>;
  db::Recordset rs;
};

}  // namespace

TEST(DbText, QuoteFoldCompareAndLikeIgnoreCaseWithUmlauts) {
  EXPECT_EQ(db::Quote("abc"), "'abc'");
  EXPECT_EQ(db::Quote("O'Brien"), "'O''Brien'");
  EXPECT_EQ(db::Quote(""), "''");
  EXPECT_TRUE(db::EqualsNoCase("Müller", "MÜLLER"));
  EXPECT_FALSE(db::EqualsNoCase("Müller", "Muller"));
  EXPECT_EQ(db::FoldCase("ÄÖÜ Straße"), "äöü straße");
  EXPECT_EQ(db::CompareText("Müller", "müller"), 0);
  EXPECT_LT(db::CompareText("Apfel", "Äpfel"), 0);
  EXPECT_LT(db::CompareText("Äpfel", "Birne"), 0);
  EXPECT_LT(db::CompareText("abc", "ABD"), 0);
  EXPECT_TRUE(db::MatchLike("Müller", "mü*"));
  EXPECT_TRUE(db::MatchLike("Müller", "%LLER"));
  EXPECT_FALSE(db::MatchLike("Müller", "Mue*"));
  EXPECT_FALSE(db::MatchLike("axb", "a_b"));  // only * and % are wildcards
}

TEST_F(DbCriteria, EachOperatorOnNumbersAndTextsQuotesAndLike) {
  const std::pair<std::string, V> cases[] = {
      {"PersNr = 3", {3}},
      {"PersNr=3", {3}},
      {"PersNr= 3", {3}},
      {"PersNr <> 3", {1, 2, 4, 5, 12}},
      {"PersNr < 3", {1, 2}},
      {"PersNr > 4", {5, 12}},  // as numbers: 12 > 4
      {"PersNr <= 2", {1, 2}},
      {"PersNr >= 5", {5, 12}},
      {"UTage = 0", {5}},
      {"PersNr = -1", {}},
      {"PersNr > '4'", {5, 12}},
      {"Nachname = 'Meier'", {12}},
      {"Nachname <> 'Meier'", {1, 2, 3, 4, 5}},
      {"Nachname < 'Mueller'", {12}},
      {"Nachname > 'S'", {5}},
      {"Nachname <= 'Meier'", {12}},
      {"Nachname >= 'Schmidt'", {5}},
      {"Nachname = 'O''Brien'", {3}},
      {"Nachname = " + db::Quote("O'Brien"), {3}},
      {"Nachname = \"O'Brien\"", {3}},
      {"Nachname LIKE " + db::Quote("O'B*"), {3}},
      {"Nachname LIKE 'Mü%'", {1}},
      {"Nachname LIKE '*er'", {1, 2, 12}},
      {"Nachname LIKE '*e*'", {1, 2, 3, 4, 12}},
      {"TelNr LIKE '0711*'", {1, 2}},
      {"Nachname LIKE 'Meier'", {12}},
      {"Nachname NOT LIKE 'M*'", {3, 4, 5}},
      {"persnr = 3", {3}},
      {"[PersNr] = 3", {3}},
      {"tbl_Mitarbeiter.PersNr = 3", {3}},
  };
  for (const auto& [criterion, expected] : cases)
    EXPECT_EQ(Filtered(criterion), expected) << criterion;
}

TEST_F(DbCriteria, TextComparisonIgnoresCaseUmlautsIncluded) {
  EXPECT_EQ(Filtered("Nachname = 'MÜLLER'"), V({1}));
  EXPECT_EQ(Filtered("Nachname = 'özdemir'"), V({4}));
  EXPECT_EQ(Filtered("Vorname = 'jÜRGEN'"), V({1}));
  EXPECT_EQ(Filtered("Vorname LIKE 'ü*'"), V({5}));
  EXPECT_EQ(Filtered("Nachname LIKE 'mü*'"), V({1}));
  // The card's search: "PersNr LIKE " & Val(t) & " OR Nachname LIKE 't*' OR ..."
  EXPECT_EQ(
      Filtered("PersNr LIKE 0 OR Nachname LIKE 'Mül*' OR Vorname LIKE 'Mül*' OR TelNr LIKE 'Mül*'"),
      V({1}));
  EXPECT_EQ(
      Filtered("PersNr LIKE 12 OR Nachname LIKE '12*' OR Vorname LIKE '12*' OR TelNr LIKE '12*'"),
      V({5, 12}));
}

TEST_F(DbCriteria, AndBindsTighterThanOrAndParenthesesNest) {
  EXPECT_EQ(Filtered("PersNr = 1 OR TeamNr = 1 AND UTage = 28"), V({1, 4}));
  EXPECT_EQ(Filtered("(PersNr = 1 OR TeamNr = 1) AND UTage = 28"), V({4}));
  EXPECT_EQ(Filtered("TeamNr = 2 AND UTage = 0 OR PersNr = 2"), V({2, 5}));
  EXPECT_EQ(Filtered("TeamNr = 2 AND (UTage = 0 OR PersNr = 2)"), V({5}));
  EXPECT_EQ(Filtered("((PersNr = 1) OR ((PersNr = 4) AND (TeamNr = 1)))"), V({1, 4}));
  EXPECT_EQ(Filtered("NOT PersNr = 1 AND TeamNr = 0"), V({2}));
  EXPECT_EQ(Filtered("PersNr = 1 and TeamNr = 0 or PersNr = 12"), V({1, 12}));
}

TEST_F(DbCriteria, BadCriteriaThrow) {
  EXPECT_THROW(rs.Filter("PersNr ="), db::Error);
  EXPECT_THROW(rs.Filter("PersNr = 'abc"), db::Error);
  EXPECT_THROW(rs.Filter("Nachname = O'Brien'"), db::Error);
  EXPECT_THROW(rs.Filter("(PersNr = 1"), db::Error);
  EXPECT_THROW(rs.Filter("PersNr = 1 AND"), db::Error);
  try {
    rs.Filter("Unknown = 1");
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::FieldNotFound);
  }
  try {
    rs.Find("PersNr == 1");
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::CriterionSyntax);
  }
  // A failed filter leaves the recordset as it was.
  EXPECT_EQ(rs.RecordCount(), 6);
  EXPECT_EQ(rs.GetFilter(), "");
}

namespace {

class DbDateCriteria : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    AddEntry(17, "2007-03-04", "U/");
    AddEntry(17, "2007-03-05", "U/");
    AddEntry(17, "2007-03-06", "U?");
    AddEntry(17, "2007-03-07", "U?");
    AddEntry(17, "2007-03-08", "K/");
    AddEntry(18, "2007-03-05", "Z/");
    AddEntry(17, "2007-12-05", "D/");
    AddEntry(17, "2008-01-02", "S!");
    rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  }
  std::vector<std::string> Filtered(const std::string& c) {
    rs.Filter(c);
    std::vector<std::string> out;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
      out.push_back(rs["PersNr"].Text() + "@" + rs["Datum"].Text());
    rs.FilterNone();
    return out;
  }
  using V = std::vector<std::string>;
  db::Recordset rs;
};

}  // namespace

TEST_F(DbDateCriteria, DatesReadDayFirstAndCompareAsDates) {
  const V the5th = {"17@05.03.2007", "18@05.03.2007"};
  const std::pair<std::string, V> cases[] = {
      {"Datum = 05.03.2007", the5th},
      {"Datum = 5.3.2007", the5th},
      {"Datum = 05.3.2007", the5th},
      {"Datum = '5.3.2007'", the5th},
      {"Datum = #2007-03-05#", the5th},
      {"Datum = 2.1.2008", {"17@02.01.2008"}},
      {"Datum = 3.5.2007", {}},  // not read month first
      // As texts "05.12.2007" would lie between "05.03.2007" and "07.03.2007".
      {"PersNr= 17 AND Datum >=05.03.2007 AND Datum <=07.03.2007",
       {"17@05.03.2007", "17@06.03.2007", "17@07.03.2007"}},
      {"Datum > 31.12.2007", {"17@02.01.2008"}},
      {"Datum < 5.3.2007", {"17@04.03.2007"}},
      {"Datum <> 5.3.2007 AND PersNr = 18", {}},
      {"KennZ = 'u?'", {"17@06.03.2007", "17@07.03.2007"}},
      {"KennZ LIKE 'U*' AND PersNr = 17 AND Datum <= 5.3.2007", {"17@04.03.2007", "17@05.03.2007"}},
  };
  for (const auto& [criterion, expected] : cases)
    EXPECT_EQ(Filtered(criterion), expected) << criterion;
  EXPECT_THROW(rs.Filter("Datum = 31.2.2007"), db::Error);
  EXPECT_THROW(rs.Filter("Datum = 1.2.3.4"), db::Error);
}
