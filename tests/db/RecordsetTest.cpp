// Recordsets on tables: moves, Find, Filter, Sort, fields, AddNew / Update / Delete.
#include "DbTestSupport.h"

using dbtest::DbTest;

namespace {

class DbRecordset : public DbTest {
 protected:
  std::vector<int> PersNrs(db::Recordset& r) {
    std::vector<int> out;
    for (r.MoveFirst(); !r.EOF(); r.MoveNext()) out.push_back(r["PersNr"].Int());
    return out;
  }
  std::vector<int> TableOrder(const std::string& table) {
    db::Connection c;
    c.Open(db::JetConnectionString(file));
    db::Recordset r;
    r.Open(table, c, db::CursorType::Static, db::LockType::ReadOnly);
    return PersNrs(r);
  }
  using V = std::vector<int>;
};

}  // namespace

TEST_F(DbRecordset, MovesAndEndsOnAnEmptyAndAFilledRecordset) {
  db::Recordset empty;
  empty.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic, -1);
  EXPECT_EQ(empty.State(), 1);
  EXPECT_TRUE(empty.EOF() && empty.BOF());
  EXPECT_EQ(empty.RecordCount(), 0);
  empty.MoveFirst();
  empty.MoveNext();
  empty.MoveLast();
  empty.MovePrevious();
  empty.Find("PersNr = 1");
  EXPECT_TRUE(empty.EOF() && empty.BOF());
  EXPECT_THROW(empty["PersNr"].Int(), db::Error);
  empty.Close();
  EXPECT_EQ(empty.State(), 0);

  for (int i = 1; i <= 3; ++i) AddEmployee(i, std::string("N") + std::to_string(i), "V", 0);
  db::Recordset rs;
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  EXPECT_FALSE(rs.BOF());
  EXPECT_FALSE(rs.EOF());
  EXPECT_EQ(rs["PersNr"].Int(), 1);
  EXPECT_EQ(rs.AbsolutePosition(), 1);
  rs.MoveLast();
  EXPECT_EQ(rs["PersNr"].Int(), 3);
  rs.MoveNext();
  EXPECT_TRUE(rs.EOF());
  EXPECT_FALSE(rs.BOF());
  rs.MoveNext();  // nothing further
  EXPECT_TRUE(rs.EOF());
  rs.MovePrevious();
  EXPECT_EQ(rs["PersNr"].Int(), 3);
  rs.MoveFirst();
  rs.MovePrevious();
  EXPECT_TRUE(rs.BOF());
  EXPECT_FALSE(rs.EOF());
  rs.MoveNext();
  EXPECT_EQ(rs["PersNr"].Int(), 1);
  EXPECT_EQ(rs.RecordCount(), 3);
}

TEST_F(DbRecordset, FieldAndTableNamesWithoutRegardToCase) {
  AddEntry(7, "2007-03-05", "U?", 4);
  db::Recordset rs;
  rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  EXPECT_EQ(rs["Notiz"].Int(), 4);
  EXPECT_EQ(rs["notiz"].Int(), 4);
  EXPECT_EQ(rs.Field("NOTIZ").Int(), 4);
  EXPECT_EQ(rs["persnr"].Int(), 7);
  EXPECT_EQ(rs.Field("KennZ").Text(), "U?");
  EXPECT_EQ(rs.Get("kennz").Text(), "U?");
  db::Value v = rs["Datum"];
  EXPECT_EQ(v.Type(), db::ValueType::Date);
  EXPECT_EQ(v.Date(), db::Date(2007, 3, 5));
  EXPECT_EQ(v.Text(), "05.03.2007");
  EXPECT_EQ(rs.FieldCount(), 4);
  EXPECT_EQ(rs.FieldName(3), "Notiz");
  EXPECT_EQ(rs["Notiz"].Name(), "Notiz");
  EXPECT_TRUE(rs.HasField("datum"));
  try {
    rs["Nope"].Int();
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::FieldNotFound);
  }

  Exec("INSERT INTO tbl_User VALUES (1, 'admin', 'pw', 1)");
  Exec("INSERT INTO \"tbl_Abhängigkeiten\" (PersNr) VALUES (1)");
  for (const char* name :
       {"tbl_user", "TBL_USER", "[tbl_User]", "tbl_abhängigkeiten", "TBL_ABHÄNGIGKEITEN"}) {
    db::Recordset table;
    table.Open(name, conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
    EXPECT_EQ(table.RecordCount(), 1) << name;
  }
}

TEST_F(DbRecordset, FindSearchesForwardFromTheCurrentRowAndFilterSetsTheRecordCount) {
  AddEntry(1, "2007-03-01", "U?");
  AddEntry(2, "2007-03-01", "U?");
  AddEntry(1, "2007-03-02", "U/");
  AddEntry(3, "2007-03-02", "K/");
  db::Recordset rs;
  rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  rs.Find("PersNr = 1");  // the current row itself matches
  EXPECT_EQ(rs.AbsolutePosition(), 1);
  rs.MoveNext();
  rs.Find("PersNr = 1");
  EXPECT_EQ(rs.AbsolutePosition(), 3);
  EXPECT_EQ(rs["KennZ"].Text(), "U/");
  rs.Find("PersNr = 2");  // behind the current row: not found
  EXPECT_TRUE(rs.EOF());
  rs.Find("PersNr = 2");  // at EOF it stays there
  EXPECT_TRUE(rs.EOF());
  rs.MoveFirst();
  rs.Find("PersNr = 2");
  EXPECT_EQ(rs.AbsolutePosition(), 2);
  rs.MoveFirst();
  rs.MovePrevious();  // BOF: the search starts at the first row
  rs.Find("KennZ = 'k/'");
  EXPECT_EQ(rs["PersNr"].Int(), 3);
  rs.MoveFirst();
  rs.Find("PersNr = 99");
  EXPECT_TRUE(rs.EOF());

  // A filter shows its rows from the first on; none, 0 or "" shows all again.
  rs.MoveLast();
  rs.Filter("PersNr = 1");
  EXPECT_EQ(rs.RecordCount(), 2);
  EXPECT_EQ(rs.GetFilter(), "PersNr = 1");
  EXPECT_EQ(rs.AbsolutePosition(), 1);  // moved to the first row of the new set
  EXPECT_EQ(rs["KennZ"].Text(), "U?");
  rs.Filter("PersNr = 5");
  EXPECT_EQ(rs.RecordCount(), 0);
  EXPECT_TRUE(rs.EOF());
  EXPECT_TRUE(rs.BOF());
  rs.Filter(0);
  EXPECT_EQ(rs.RecordCount(), 4);
  EXPECT_EQ(rs.GetFilter(), "");
  rs.Filter("KennZ = 'U?'");
  EXPECT_EQ(rs.RecordCount(), 2);
  rs.FilterNone();
  EXPECT_EQ(rs.RecordCount(), 4);
  rs.Filter("Datum = 1.3.2007");
  EXPECT_EQ(rs.RecordCount(), 2);
  rs.Filter("");
  EXPECT_EQ(rs.RecordCount(), 4);
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
  EXPECT_EQ(rs.GetSort(), "Nachname ASC");
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
}

TEST_F(DbRecordset, AddNewUpdateIsWrittenThroughAndSeenByANewRecordset) {
  db::Recordset rs;
  rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  rs.AddNew();
  EXPECT_EQ(rs.GetEditMode(), db::EditMode::Add);
  rs["PersNr"] = 17;
  rs["Datum"] = "05.03.2007";  // the day's text, stored as a date
  rs["notiz"] = 0;
  rs["KennZ"] = "U?";
  EXPECT_EQ(rs["KennZ"].Text(), "U?");  // the pending values read back
  rs.Update();
  EXPECT_EQ(rs.GetEditMode(), db::EditMode::None);
  EXPECT_EQ(rs.RecordCount(), 1);
  EXPECT_EQ(rs["Datum"].Date(), db::Date(2007, 3, 5));

  // Another connection (another running copy) sees it; the file holds ISO text.
  db::Connection c2;
  c2.Open(db::JetConnectionString(file));
  db::Recordset rs2;
  rs2.Open("tbl_Kalender", c2, db::CursorType::Static, db::LockType::Pessimistic);
  ASSERT_EQ(rs2.RecordCount(), 1);
  EXPECT_EQ(rs2["PersNr"].Int(), 17);
  EXPECT_EQ(rs2["Datum"].Text(), "05.03.2007");
  EXPECT_EQ(Count("Datum = '2007-03-05'"), 1);

  // Change in place.
  rs2["KennZ"] = "U/";
  EXPECT_EQ(rs2.GetEditMode(), db::EditMode::InProgress);
  rs2.Update();
  db::Recordset rs3;
  rs3.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  EXPECT_EQ(rs3["KennZ"].Text(), "U/");
  EXPECT_EQ(rs3.RecordCount(), 1);
  // The first recordset is a snapshot: it keeps its own view.
  EXPECT_EQ(rs["KennZ"].Text(), "U?");
  rs.Requery();
  EXPECT_EQ(rs["KennZ"].Text(), "U/");
}

TEST_F(DbRecordset, PendingChangesAreSavedByMovesAndAddNewOrDroppedByCancelUpdate) {
  db::Recordset rs;
  rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  for (int d = 5; d <= 7; ++d) {  // one Update after the last day
    rs.AddNew();
    rs["PersNr"] = 17;
    rs["Datum"] = std::string("0") + std::to_string(d) + ".03.2007";
    rs["notiz"] = 0;
    rs["KennZ"] = "U?";
  }
  EXPECT_EQ(Count(""), 2);  // the first two were saved by the next AddNew
  rs.Update();
  EXPECT_EQ(Count(""), 3);

  rs.MoveFirst();
  rs["KennZ"] = "U/";
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
  rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  rs["KennZ"] = "K/";
  rs.CancelUpdate();
  EXPECT_EQ(rs["KennZ"].Text(), "Z/");
  rs.AddNew();
  rs["PersNr"] = 2;
  rs.CancelUpdate();
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(rs["PersNr"].Int(), 17);
  rs.Update();
  EXPECT_EQ(Count(""), 3);
}

TEST_F(DbRecordset, AutomaticNumbersAndDefaultsAreKnownAfterSaving) {
  db::Recordset rs;
  rs.Open("tbl_Notizen", conn, db::CursorType::Static, db::LockType::Pessimistic);
  rs.AddNew();
  rs["Text"] = "Betriebsausflug";
  EXPECT_TRUE(rs["LfdNr"].IsNull());
  rs.Update();
  int first = rs["LfdNr"].Int();
  EXPECT_GT(first, 0);
  rs.AddNew();
  rs["Text"] = "Messe";
  rs.Update();
  int second = rs["LfdNr"].Int();
  EXPECT_EQ(second, first + 1);
  rs.Delete();
  rs.AddNew();
  rs["Text"] = "Schulung";
  rs.Update();
  EXPECT_EQ(rs["LfdNr"].Int(), second + 1);
  EXPECT_THROW(rs["LfdNr"] = 5, db::Error);  // written by the database only

  // Fields not assigned get the table's defaults.
  db::Recordset dep;
  dep.Open("tbl_Abhängigkeiten", conn, db::CursorType::Static, db::LockType::Pessimistic);
  dep.AddNew();
  dep["PersNr"] = 4;  // a new dependency row carries PersNr alone
  dep.Update();
  EXPECT_EQ(dep["AbhPersNr1"].Int(), 0);
  EXPECT_EQ(dep["AbhPersNr2"].Int(), 0);
  EXPECT_EQ(dep["AbhPersNr3"].Int(), 0);
  db::Recordset k;
  k.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  k.AddNew();
  k["PersNr"] = 1;
  k["Datum"] = db::Date(2008, 5, 2);
  k["KennZ"] = "U?";
  k.Update();
  EXPECT_EQ(k["Notiz"].Int(), 0);
}

TEST_F(DbRecordset, DeleteTheCurrentRowAndTheTableOrderAfterDeletesAndInserts) {
  db::Recordset rs;
  rs.Open("tbl_Abhängigkeiten", conn, db::CursorType::Static, db::LockType::Pessimistic);
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
  EXPECT_EQ(TableOrder("tbl_Abhängigkeiten"), V({1, 3, 4, 6, 7}));
  // change in place keeps the position
  rs.MoveFirst();
  rs["AbhPersNr1"] = 3;
  rs.Update();
  EXPECT_EQ(TableOrder("tbl_Abhängigkeiten"), V({1, 3, 4, 6, 7}));

  // A deleted row stays current but unreadable until the next move.
  for (int i = 1; i <= 4; ++i) AddEmployee(i, std::string("N") + std::to_string(i), "V", 0);
  db::Recordset staff;
  staff.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  staff.MoveNext();
  staff.Delete();
  EXPECT_EQ(staff.RecordCount(), 3);
  EXPECT_THROW(staff["PersNr"].Int(), db::Error);  // deleted: unreadable until the next move
  staff.MoveNext();
  EXPECT_EQ(staff["PersNr"].Int(), 3);
  staff.Update();  // nothing pending
  EXPECT_EQ(TableOrder("tbl_Mitarbeiter"), V({1, 3, 4}));
  staff.MoveFirst();
  staff.Find("PersNr = 99");
  EXPECT_THROW(staff.Delete(), db::Error);  // at EOF
}

TEST_F(DbRecordset, WritingConvertsToTheFieldsTypeAndReadOnlyRecordsetsRefuseIt) {
  AddEmployee(1, "A", "B", 0);
  db::Recordset rs;
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  rs["UTage"] = "25";
  EXPECT_EQ(rs["UTage"].Type(), db::ValueType::Integer);
  rs["TelNr"] = 12345;
  EXPECT_EQ(rs["TelNr"].Type(), db::ValueType::Text);
  try {
    rs["PersNr"] = "abc";
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::TypeMismatch);
  }
  rs.Update();
  EXPECT_EQ(Count("UTage = 25 AND TelNr = '12345'", "tbl_Mitarbeiter"), 1);
  db::Recordset k;
  k.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
  k.AddNew();
  EXPECT_THROW(k["Datum"] = "31.02.2007", db::Error);
  EXPECT_THROW(k["Datum"] = 5, db::Error);
  k.CancelUpdate();

  db::Recordset ro;
  ro.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::ReadOnly);
  EXPECT_TRUE(ro.IsReadOnly());
  EXPECT_THROW(ro["Nachname"] = "X", db::Error);
  EXPECT_THROW(ro.AddNew(), db::Error);
  EXPECT_THROW(ro.Delete(), db::Error);
  db::Recordset q;
  q.Open("SELECT * FROM tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  EXPECT_TRUE(q.IsReadOnly());
  try {
    q["Nachname"] = "X";
    FAIL();
  } catch (const db::Error& e) {
    EXPECT_EQ(e.Kind(), db::ErrorKind::ReadOnly);
  }
  EXPECT_THROW(q.AddNew(), db::Error);
  EXPECT_THROW(q.Delete(), db::Error);
  EXPECT_EQ(q["Nachname"].Text(), "A");
}

TEST_F(DbRecordset, OpeningWithAdoNumbersAndOpeningAnOpenRecordsetFailsKeepingFilterAndSort) {
  for (int i = 1; i <= 3; ++i)
    AddEmployee(i, std::string("N") + std::to_string(4 - i), "V", i == 2 ? 1 : 0);
  db::Recordset rs;
  rs.SetCursorLocation(db::CursorLocation::Client);
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  rs.Filter("TeamNr = 0");
  rs.Sort("Nachname ASC");
  EXPECT_THROW(rs.SetCursorLocation(db::CursorLocation::Client), db::Error);
  EXPECT_THROW(rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic),
               db::Error);
  EXPECT_EQ(rs.RecordCount(), 2);
  EXPECT_EQ(PersNrs(rs), V({3, 1}));
  rs.Close();
  EXPECT_EQ(rs.GetCursorLocation(), db::CursorLocation::Client);  // kept for later opens
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(rs.GetFilter(), "");
  rs.Close();

  rs.Open("tbl_Mitarbeiter", conn, 3, 1, -1);  // static, read-only
  EXPECT_TRUE(rs.IsReadOnly());
  rs.Close();
  rs.Open("tbl_Mitarbeiter", conn, 2, 2);  // dynamic, pessimistic
  EXPECT_FALSE(rs.IsReadOnly());
  db::Recordset moved = std::move(rs);
  EXPECT_FALSE(rs.IsOpen());
  EXPECT_EQ(moved["PersNr"].Int(), 1);
  EXPECT_THROW(rs.Open("tbl_Mitarbeiter", conn, 7, 2), db::Error);
  EXPECT_FALSE(rs.IsOpen());
}

TEST_F(DbRecordset, TransactionsKeepWritesTogetherOrDropThem) {
  db::Recordset rs;
  rs.Open("tbl_Notizen", conn, db::CursorType::Static, db::LockType::Pessimistic);
  conn.BeginTrans();
  rs.AddNew();
  rs["Text"] = "dropped";
  rs.Update();
  conn.RollbackTrans();
  conn.BeginTrans();
  rs.AddNew();
  rs["Text"] = "kept";
  rs.Update();
  conn.CommitTrans();
  rs.Close();

  db::Recordset check;
  check.Open("tbl_Notizen", conn, db::CursorType::Static, db::LockType::ReadOnly);
  ASSERT_EQ(check.RecordCount(), 1);
  EXPECT_EQ(check["Text"].Text(), "kept");
  EXPECT_THROW(conn.CommitTrans(), db::Error);
}
