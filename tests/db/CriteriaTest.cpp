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
    AddEmployee(4, "ÖZDEMIR", "Ayşe", 1, 29, "089");
    AddEmployee(5, "Schmidt", "Ülrich", 2, 0, "12345");
    AddEmployee(12, "Meier", "Hans", 2, 30, "*");
    for (const auto& [persNr, day, kennz] : {std::tuple{17, "03-04", "U/"},
                                             {17, "03-05", "U/"},
                                             {17, "03-06", "U?"},
                                             {17, "03-07", "U?"},
                                             {17, "03-08", "K/"},
                                             {18, "03-05", "Z/"},
                                             {17, "12-05", "D/"}})
      AddEntry(persNr, std::string("2007-") + day, kennz);
    AddEntry(17, "2008-01-02", "S!");
    staff.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
    days.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  }
  // The visible rows after Filter(c): PersNr, and the day on tbl_Kalender.
  using Row = std::pair<int, std::string>;
  static std::vector<Row> Filtered(db::Recordset& rs, const std::string& c) {
    rs.Filter(c);
    std::vector<Row> out;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
      out.emplace_back(rs["PersNr"].Int(), rs.HasField("Datum") ? rs["Datum"].Text() : "");
    EXPECT_EQ(static_cast<long>(out.size()), rs.RecordCount()) << c;
    rs.Filter(0);
    return out;
  }
  std::vector<int> Staff(const std::string& c) {
    std::vector<int> out;
    for (const Row& row : Filtered(staff, c)) out.push_back(row.first);
    return out;
  }
  db::Recordset staff, days;
};

}  // namespace

// Quoted texts with doubled quotes, LIKE with * and %, text comparisons without regard to case
// (umlauts included), numbers compared as numbers, AND before OR, parentheses.
TEST_F(DbCriteria, EachOperatorAndTheirPrecedenceOnNumbersAndTexts) {
  EXPECT_EQ(db::Quote(""), "''");
  const std::pair<std::string, std::vector<int>> cases[] = {
      {"PersNr= 3", {3}},
      {"PersNr<>3", {1, 2, 4, 5, 12}},
      {"PersNr < 3", {1, 2}},
      {"PersNr > 4", {5, 12}},  // as numbers: 12 > 4
      {"PersNr <= 2", {1, 2}},
      {"PersNr >= 5", {5, 12}},
      {"UTage = 0", {5}},
      {"UTage = FALSE", {5}},
      {"UTage > 29.5", {1, 12}},
      {"PersNr > '4'", {5, 12}},
      {"Nachname < 'Mueller'", {12}},
      {"Nachname >= 'Schmidt'", {5}},
      {"Nachname = 'O''Brien'", {3}},
      {"Nachname = \"O'Brien\"", {3}},
      {"Nachname LIKE " + db::Quote("O'B*"), {3}},
      {"Nachname LIKE 'mÜ%'", {1}},
      {"Nachname LIKE '*er'", {1, 2, 12}},
      {"Nachname LIKE 'Meier'", {12}},
      {"Nachname NOT LIKE 'M*'", {3, 4, 5}},
      {"Nachname LIKE 'M_ier'", {}},     // only * and % are wildcards
      {"Nachname LIKE 'Mül*ller'", {}},  // * never gives back what came before it
      {"[PersNr] = 3", {3}},
      {"tbl_Mitarbeiter.PersNr = 3", {3}},
      {"Nachname = 'MÜLLER'", {1}},
      // The card's search: "PersNr LIKE " & Val(t) & " OR Nachname LIKE 't*' OR ..."
      {"PersNr LIKE 0 OR Nachname LIKE 'Mül*' OR Vorname LIKE 'Mül*' OR TelNr LIKE 'Mül*'", {1}},
      {"PersNr LIKE 12 OR Nachname LIKE '12*' OR Vorname LIKE '12*' OR TelNr LIKE '12*'", {5, 12}},
      {"PersNr = 1 OR TeamNr = 1 AND UTage = 29", {1, 4}},
      {"(PersNr = 1 OR TeamNr = 1) AND UTage = 29", {4}},
      {"NOT PersNr = 1 AND TeamNr = 0", {2}},
      {"PersNr = 1 and TeamNr = 0 or PersNr = 12", {1, 12}},
  };
  for (const auto& [criterion, expected] : cases)
    EXPECT_EQ(Staff(criterion), expected) << criterion;
}

TEST_F(DbCriteria, DatesReadDayFirstAndCompareAsDates) {
  const std::vector<Row> the5th = {{17, "05.03.2007"}, {18, "05.03.2007"}};
  const std::pair<std::string, std::vector<Row>> cases[] = {
      {"Datum = 05.03.2007", the5th},
      {"Datum = 5.3.2007", the5th},
      {"Datum = '5.3.2007'", the5th},  // a quoted day
      {"Datum = #2007-03-05#", the5th},
      {"Datum = 3.5.2007", {}},  // not read month first
      // As texts "05.12.2007" would lie between "05.03.2007" and "07.03.2007".
      {"PersNr= 17 AND Datum >=05.03.2007 AND Datum <=07.03.2007",
       {{17, "05.03.2007"}, {17, "06.03.2007"}, {17, "07.03.2007"}}},
      {"Datum > 31.12.2007", {{17, "02.01.2008"}}},
      {"Datum < 5.3.2007", {{17, "04.03.2007"}}},
      {"Datum <> 5.3.2007 AND PersNr = 18", {}},
      {"KennZ = 'u?'", {{17, "06.03.2007"}, {17, "07.03.2007"}}},
      {"KennZ LIKE 'U*' AND PersNr = 17 AND Datum <= 5.3.2007",
       {{17, "04.03.2007"}, {17, "05.03.2007"}}},
  };
  for (const auto& [criterion, expected] : cases)
    EXPECT_EQ(Filtered(days, criterion), expected) << criterion;
}

// A criterion that cannot be read fails, and leaves the recordset as it was.
TEST_F(DbCriteria, BadCriteriaFail) {
  using K = db::ErrorKind;
  const std::tuple<db::Recordset*, const char*, K> cases[] = {
      {&staff, "PersNr =", K::CriterionSyntax},
      {&staff, "PersNr = 'abc", K::CriterionSyntax},
      {&staff, "Nachname = O'Brien'", K::CriterionSyntax},
      {&staff, "PersNr == 1", K::CriterionSyntax},
      {&staff, "Unknown = 1", K::FieldNotFound},
      {&days, "Datum = 31.2.2007", K::CriterionSyntax},
      {&days, "Datum = 1.2.3.4", K::CriterionSyntax},
  };
  for (const auto& [rs, criterion, kind] : cases) {
    EXPECT_TRUE(dbtest::Fails([r = rs, c = criterion] { r->Filter(c); }, kind)) << criterion;
    EXPECT_TRUE(dbtest::Fails([r = rs, c = criterion] { r->Find(c); }, kind)) << criterion;
  }
  EXPECT_EQ(staff.RecordCount(), 6);
  EXPECT_EQ(staff.GetFilter(), "");
}
