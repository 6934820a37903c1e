// Recordsets on tables: moves, Find, Filter, Sort, fields, AddNew / Update / Delete.
#include "DbTestSupport.h"

using dbtest::DbTest;
using dbtest::Fails;

namespace {

class DbRecordset : public DbTest {
 protected:
  void AddStaff(int count) {
    for (int i = 1; i <= count; ++i) AddEmployee(i, "N" + std::to_string(i), "V", 0);
  }
  db::Recordset Open(const std::string& table, db::LockType lock = db::LockType::Pessimistic) {
    db::Recordset rs;
    rs.Open(table, conn, db::CursorType::Static, lock);
    return rs;
  }
  static std::vector<int> PersNrs(db::Recordset& r) {
    std::vector<int> out;
    for (r.MoveFirst(); !r.EOF(); r.MoveNext()) out.push_back(r["PersNr"].Int());
    return out;
  }
  // The table's rows as another copy reads them.
  std::vector<int> TableOrder(const std::string& table) {
    db::Connection c;
    c.Open(db::JetConnectionString(file));
    db::Recordset r;
    r.Open(table, c, db::CursorType::Static, db::LockType::ReadOnly);
    return PersNrs(r);
  }
  // PersNr of the current row, 0 at BOF or EOF.
  static int At(const db::Recordset& r) { return r.BOF() || r.EOF() ? 0 : r.Get("PersNr").Int(); }
  using V = std::vector<int>;
};

}  // namespace

TEST_F(DbRecordset, MovesAndEndsOnAnEmptyAndAFilledRecordset) {
  db::Recordset empty = Open("tbl_Kalender");
  empty.MoveFirst();
  empty.MoveNext();
  empty.MoveLast();
  empty.MovePrevious();
  empty.Find("PersNr = 1");
  EXPECT_TRUE(empty.EOF());
  EXPECT_TRUE(empty.BOF());
  EXPECT_EQ(empty.RecordCount(), 0);
  EXPECT_TRUE(Fails([&] { empty["PersNr"].Int(); }, db::ErrorKind::NoCurrentRow));
  empty.Close();
  EXPECT_TRUE(Fails([&] { empty.Find("PersNr = 1"); }, db::ErrorKind::NotOpen));

  AddStaff(3);
  db::Recordset rs = Open("tbl_Mitarbeiter");
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(At(rs), 1);
  EXPECT_EQ(rs.AbsolutePosition(), 1);
  // The current row and BOF/EOF after each move.
  using R = db::Recordset;
  const std::tuple<void (R::*)(), int, bool, bool> steps[] = {
      {&R::MoveLast, 3, false, false},    {&R::MoveNext, 0, false, true},
      {&R::MoveNext, 0, false, true},     {&R::MovePrevious, 3, false, false},
      {&R::MoveFirst, 1, false, false},   {&R::MovePrevious, 0, true, false},
      {&R::MovePrevious, 0, true, false}, {&R::MoveNext, 1, false, false}};
  for (const auto& step : steps) {
    const auto& [move, at, bof, eof] = step;
    (rs.*move)();
    EXPECT_EQ(std::tuple(At(rs), rs.BOF(), rs.EOF()), std::tuple(at, bof, eof)) << &step - steps;
  }
}

TEST_F(DbRecordset, FieldAndTableNamesWithoutRegardToCase) {
  AddEntry(7, "2007-03-05", "U?", 4);
  db::Recordset rs = Open("tbl_Kalender");
  EXPECT_EQ(rs["notiz"].Int(), 4);
  EXPECT_EQ(rs["tbl_Kalender.[Notiz]"].Int(), 4);
  EXPECT_EQ(rs.Get("kennz").Text(), "U?");
  EXPECT_EQ(rs.Field(0).Int(), 7);
  EXPECT_TRUE(Fails([&] { rs["Nope"].Int(); }, db::ErrorKind::FieldNotFound));

  Exec("INSERT INTO tbl_User VALUES (1, 'admin', 'pw', 1)");
  Exec("INSERT INTO \"tbl_Abhängigkeiten\" (PersNr) VALUES (1)");
  for (const char* name :
       {"tbl_user", "TBL_USER", "[tbl_User]", "tbl_abhängigkeiten", "TBL_ABHÄNGIGKEITEN"})
    EXPECT_EQ(Open(name).RecordCount(), 1) << name;
}

TEST_F(DbRecordset, FindSearchesForwardFromTheCurrentRowAndFilterSetsTheRecordCount) {
  AddEntry(1, "2007-03-01", "U?");
  AddEntry(2, "2007-03-01", "U?");
  AddEntry(1, "2007-03-02", "U/");
  AddEntry(3, "2007-03-02", "K/");
  db::Recordset rs = Open("tbl_Kalender");
  rs.Find("PersNr = 1");  // the current row itself matches
  EXPECT_EQ(rs.AbsolutePosition(), 1);
  rs.MoveNext();
  rs.Find("PersNr = 1");
  EXPECT_EQ(rs.AbsolutePosition(), 3);
  rs.Find("PersNr = 2");  // behind the current row: not found
  EXPECT_TRUE(rs.EOF());
  rs.MoveFirst();
  rs.Find("PersNr = 2");
  EXPECT_EQ(rs.AbsolutePosition(), 2);
  rs.MoveFirst();
  rs.MovePrevious();  // BOF: the search starts at the first row
  rs.Find("KennZ = 'k/'");
  EXPECT_EQ(At(rs), 3);

  // A filter shows its rows from the first on; 0 shows all again.
  rs.MoveLast();
  rs.Filter("PersNr = 1");
  EXPECT_EQ(rs.RecordCount(), 2);
  EXPECT_EQ(rs.AbsolutePosition(), 1);
  EXPECT_EQ(rs["KennZ"].Text(), "U?");
  rs.Filter("PersNr = 5");
  EXPECT_EQ(rs.RecordCount(), 0);
  EXPECT_TRUE(rs.EOF());
  EXPECT_TRUE(rs.BOF());
  rs.Filter("Datum = 1.3.2007");
  EXPECT_EQ(rs.RecordCount(), 2);
  rs.Filter(0);
  EXPECT_EQ(rs.RecordCount(), 4);
  EXPECT_EQ(rs.GetFilter(), "");
  EXPECT_THROW(rs.Filter(1), db::Error);
}

TEST_F(DbRecordset, SortAscendingDescendingAndStable) {
  AddEmployee(1, "Zander", "A", 0);
  AddEmployee(2, "Ärger", "B", 0);
  AddEmployee(3, "meier", "C", 1);
  AddEmployee(4, "Berg", "D", 1);
  AddEmployee(5, "Meier", "E", 0);
  db::Recordset rs;
  rs.SetCursorLocation(db::CursorLocation::Client);
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::ReadOnly, -1);
  rs.Sort("Nachname ASC");
  EXPECT_EQ(PersNrs(rs), V({2, 4, 3, 5, 1}));  // Ä with A; equal names keep table order
  rs.Sort("Nachname DESC");
  EXPECT_EQ(PersNrs(rs), V({1, 3, 5, 4, 2}));
  rs.Sort("nachname");
  EXPECT_EQ(PersNrs(rs), V({2, 4, 3, 5, 1}));
  rs.Filter("TeamNr =0");  // the sort stays across filters
  EXPECT_EQ(PersNrs(rs), V({2, 5, 1}));
  rs.Sort("TeamNr DESC, PersNr ASC");
  EXPECT_EQ(PersNrs(rs), V({1, 2, 5}));
  rs.Filter(0);
  EXPECT_EQ(PersNrs(rs), V({3, 4, 1, 2, 5}));
  rs.Sort("");
  EXPECT_EQ(PersNrs(rs), V({1, 2, 3, 4, 5}));
  EXPECT_THROW(rs.Sort("Unknown ASC"), db::Error);
  EXPECT_THROW(rs.Sort("Nachname,,PersNr"), db::Error);
}

// Writes reach the file at Update, and when a move, Find, AddNew or Close saves a pending change;
// another recordset keeps the rows of its opening until Requery.
TEST_F(DbRecordset, ChangesAreSavedByUpdateMovesAndAddNewOrDroppedByCancelUpdate) {
  db::Recordset snapshot = Open("tbl_Kalender");
  db::Recordset rs = Open("tbl_Kalender");
  for (int d = 5; d <= 7; ++d) {  // one Update after the last day
    rs.AddNew();
    EXPECT_EQ(rs.GetEditMode(), db::EditMode::Add);
    rs["PersNr"] = 17;
    rs["Datum"] = "0" + std::to_string(d) + ".03.2007";  // the day's text, stored as a date
    rs["KennZ"] = "U?";
    EXPECT_EQ(rs["KennZ"].Text(), "U?");  // the pending values read back
  }
  EXPECT_EQ(Count(""), 2);  // the first two were saved by the next AddNew
  rs.Update();
  EXPECT_EQ(rs.GetEditMode(), db::EditMode::None);
  EXPECT_EQ(Count("Datum = '2007-03-07' AND Notiz = 0"), 1);  // ISO text; the table's default
  EXPECT_EQ(snapshot.RecordCount(), 0);
  snapshot.Requery();
  EXPECT_EQ(snapshot.RecordCount(), 3);

  rs.MoveFirst();
  rs["KennZ"] = "U/";
  EXPECT_EQ(rs.GetEditMode(), db::EditMode::InProgress);
  rs.MoveNext();  // saves
  EXPECT_EQ(Count("KennZ = 'U/'"), 1);
  rs["KennZ"] = "U!";
  rs.Find("PersNr = 17");  // saves too
  EXPECT_EQ(Count("KennZ = 'U!'"), 1);
  rs.MoveFirst();
  rs["KennZ"] = "Z/";
  rs.Close();  // and Close
  EXPECT_EQ(Count("KennZ = 'Z/'"), 1);

  // CancelUpdate drops a pending change; a pending new row disappears.
  rs = Open("tbl_Kalender");
  rs["KennZ"] = "K/";
  rs.CancelUpdate();
  EXPECT_EQ(rs["KennZ"].Text(), "Z/");
  rs.AddNew();
  rs["PersNr"] = 2;
  rs.CancelUpdate();
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(At(rs), 17);
  rs.Update();
  EXPECT_EQ(Count(""), 3);
}

TEST_F(DbRecordset, AutomaticNumbersAreKnownAfterSavingAndNeverGivenAgain) {
  db::Recordset rs = Open("tbl_Notizen");
  std::vector<int> numbers;
  for (const char* text : {"Betriebsausflug", "Messe", "Schulung"}) {
    rs.AddNew();
    rs["Text"] = text;
    EXPECT_TRUE(rs["LfdNr"].IsNull());
    rs.Update();
    numbers.push_back(rs["LfdNr"].Int());
    if (numbers.size() == 2) rs.Delete();  // its number is not given again
  }
  EXPECT_EQ(numbers, (V{numbers[0], numbers[0] + 1, numbers[0] + 2}));
  EXPECT_THROW(rs["LfdNr"] = 5, db::Error);  // written by the database only
}

TEST_F(DbRecordset, DeleteTheCurrentRowAndTheTableOrderAfterDeletesAndInserts) {
  db::Recordset rs = Open("tbl_Abhängigkeiten");
  for (int i = 1; i <= 5; ++i) {
    rs.AddNew();
    rs["PersNr"] = i;
  }
  rs.Update();
  // delete the last and a middle row, then add two
  rs.MoveLast();
  rs.Delete();
  rs.MoveFirst();
  rs.Find("PersNr = 2");
  rs.Delete();
  rs.AddNew();
  rs["PersNr"] = 6;
  rs.AddNew();
  rs["PersNr"] = 7;
  rs.Update();
  EXPECT_EQ(PersNrs(rs), V({1, 3, 4, 6, 7}));
  rs.MoveFirst();
  rs["AbhPersNr1"] = 3;  // a change in place keeps the position
  rs.Update();
  EXPECT_EQ(TableOrder("tbl_Abhängigkeiten"), V({1, 3, 4, 6, 7}));

  // A deleted row stays current but unreadable until the next move.
  AddStaff(4);
  db::Recordset staff = Open("tbl_Mitarbeiter");
  staff.MoveNext();
  staff.Delete();
  EXPECT_EQ(staff.RecordCount(), 3);
  EXPECT_TRUE(Fails([&] { staff["PersNr"].Int(); }, db::ErrorKind::NoCurrentRow));
  staff.MoveNext();
  EXPECT_EQ(At(staff), 3);
  staff.Update();  // nothing pending
  EXPECT_EQ(TableOrder("tbl_Mitarbeiter"), V({1, 3, 4}));
  staff.MoveLast();
  staff.MoveNext();
  EXPECT_TRUE(Fails([&] { staff.Delete(); }, db::ErrorKind::NoCurrentRow));
}

TEST_F(DbRecordset, WritingConvertsToTheFieldsTypeAndReadOnlyRecordsetsRefuseIt) {
  AddStaff(1);
  db::Recordset rs = Open("tbl_Mitarbeiter");
  rs["UTage"] = "25";
  rs["TelNr"] = 12345;
  EXPECT_TRUE(Fails([&] { rs["PersNr"] = "abc"; }, db::ErrorKind::TypeMismatch));
  rs.Update();
  EXPECT_EQ(Count("UTage = 25 AND TelNr = '12345'", "tbl_Mitarbeiter"), 1);
  db::Recordset k = Open("tbl_Kalender");
  k.AddNew();
  EXPECT_THROW(k["Datum"] = "31.02.2007", db::Error);
  k.CancelUpdate();

  db::Recordset table = Open("tbl_Mitarbeiter", db::LockType::ReadOnly);
  db::Recordset query = Open("SELECT * FROM tbl_Mitarbeiter");
  for (db::Recordset* ro : {&table, &query}) {
    EXPECT_TRUE(Fails([&] { (*ro)["Nachname"] = "X"; }, db::ErrorKind::ReadOnly));
    EXPECT_THROW(ro->AddNew(), db::Error);
    EXPECT_THROW(ro->Delete(), db::Error);
    EXPECT_EQ((*ro)["Nachname"].Text(), "N1");
  }
}

TEST_F(DbRecordset, OpeningWithAdoNumbersAndOpeningAnOpenRecordsetFailsKeepingFilterAndSort) {
  for (int i = 1; i <= 3; ++i) AddEmployee(i, "N" + std::to_string(4 - i), "V", i == 2 ? 1 : 0);
  db::Recordset rs;
  rs.SetCursorLocation(db::CursorLocation::Client);
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  rs.Filter("TeamNr = 0");
  rs.Sort("Nachname ASC");
  EXPECT_THROW(rs.SetCursorLocation(db::CursorLocation::Client), db::Error);
  EXPECT_THROW(rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic),
               db::Error);
  EXPECT_EQ(PersNrs(rs), V({3, 1}));
  rs.Close();
  rs.Open("tbl_Mitarbeiter", conn, 3, 1, -1);  // static, read-only
  EXPECT_TRUE(rs.IsReadOnly());
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(rs.GetFilter(), "");
  rs.Close();
  rs.Open("tbl_Mitarbeiter", conn, 2, 2);  // dynamic, pessimistic
  EXPECT_FALSE(rs.IsReadOnly());
  rs.Close();
  EXPECT_THROW(rs.Open("tbl_Mitarbeiter", conn, 7, 2), db::Error);
  EXPECT_FALSE(rs.IsOpen());
}
