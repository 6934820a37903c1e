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

// Quoted texts with doubled quotes, LIKE with * and %, text comparisons without regard to case
// (umlauts included), numbers compared as numbers, AND before OR, parentheses.
TEST_F(DbCriteria, EachOperatorAndTheirPrecedenceOnNumbersAndTexts) {
  EXPECT_EQ(db::Quote(""), "''");
  const std::pair<std::string, V> cases[] = {
      {"PersNr= 3", {3}},
      {"PersNr<>3", {1, 2, 4, 5, 12}},
      {"PersNr < 3", {1, 2}},
      {"PersNr > 4", {5, 12}},  // as numbers: 12 > 4
      {"PersNr <= 2", {1, 2}},
      {"PersNr >= 5", {5, 12}},
      {"UTage = 0", {5}},
      {"PersNr = -1", {}},
      {"PersNr > '4'", {5, 12}},
      {"Nachname <> 'Meier'", {1, 2, 3, 4, 5}},
      {"Nachname < 'Mueller'", {12}},
      {"Nachname >= 'Schmidt'", {5}},
      {"Nachname = 'O''Brien'", {3}},
      {"Nachname = " + db::Quote("O'Brien"), {3}},
      {"Nachname = \"O'Brien\"", {3}},
      {"Nachname LIKE " + db::Quote("O'B*"), {3}},
      {"Nachname LIKE 'Mü%'", {1}},
      {"Nachname LIKE '*er'", {1, 2, 12}},
      {"TelNr LIKE '0711*'", {1, 2}},
      {"Nachname LIKE 'Meier'", {12}},
      {"Nachname NOT LIKE 'M*'", {3, 4, 5}},
      {"Nachname LIKE 'M_ier'", {}},  // only * and % are wildcards
      {"persnr = 3", {3}},
      {"[PersNr] = 3", {3}},
      {"tbl_Mitarbeiter.PersNr = 3", {3}},
      {"Nachname = 'MÜLLER'", {1}},
      {"Nachname = 'özdemir'", {4}},
      {"Vorname LIKE 'ü*'", {5}},
      {"Nachname LIKE 'mü*'", {1}},
      // The card's search: "PersNr LIKE " & Val(t) & " OR Nachname LIKE 't*' OR ..."
      {"PersNr LIKE 0 OR Nachname LIKE 'Mül*' OR Vorname LIKE 'Mül*' OR TelNr LIKE 'Mül*'", {1}},
      {"PersNr LIKE 12 OR Nachname LIKE '12*' OR Vorname LIKE '12*' OR TelNr LIKE '12*'", {5, 12}},
      {"PersNr = 1 OR TeamNr = 1 AND UTage = 28", {1, 4}},
      {"(PersNr = 1 OR TeamNr = 1) AND UTage = 28", {4}},
      {"TeamNr = 2 AND (UTage = 0 OR PersNr = 2)", {5}},
      {"((PersNr = 1) OR ((PersNr = 4) AND (TeamNr = 1)))", {1, 4}},
      {"NOT PersNr = 1 AND TeamNr = 0", {2}},
      {"PersNr = 1 and TeamNr = 0 or PersNr = 12", {1, 12}},
  };
  for (const auto& [criterion, expected] : cases)
    EXPECT_EQ(Filtered(criterion), expected) << criterion;
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
