#include "masterdata/DependencyRows.h"

#include <string>

namespace mv {

namespace {

void MoveToLine(db::Recordset& shown, int line) {
  shown.MoveFirst();
  for (int r = 1; r < line; ++r) shown.MoveNext();
}

}  // namespace

bool AddDependencyRow(db::Connection& conn, long persNr) {
  db::Recordset rs;
  rs.Open("tbl_Abhängigkeiten", conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
  rs.Find("PersNr = " + std::to_string(persNr));
  if (!rs.EOF()) return false;
  rs.AddNew();
  rs["PersNr"] = persNr;
  rs.Update();
  return true;
}

void SetDependent(db::Recordset& shown, int line, int slot, long persNr) {
  MoveToLine(shown, line);
  shown["AbhPersNr" + std::to_string(slot)] = persNr;
  shown.Update();
}

void DeleteDependencyRow(db::Recordset& shown, int line) {
  MoveToLine(shown, line);
  shown.Delete();
}

}  // namespace mv
