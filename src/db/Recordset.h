#pragma once
// db::Recordset: our stand-in for an ADO recordset (static snapshot semantics).
//
// A recordset opened on a table name holds the table's rows as of its opening plus its own
// changes, in table order (insertion order). One opened on an SQL text (Jet dialect, translated
// for SQLite) holds the query's rows and is read-only. Writes go to the file at Update (and when
// a pending change is saved by a move, Find, Filter, Sort, AddNew or Close); Delete writes at once.
//
//   db::Recordset rs;
//   rs.Open("tbl_User", conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
//   rs.MoveFirst();
//   rs.Find("LoginID = " + db::Quote(name));
//   if (!rs.EOF()) { int nr = rs["PersNr"].Int(); rs["Passwort"] = "neu"; rs.Update(); }
//   rs.Close();
#include <memory>
#include <string>
#include <string_view>

#include "db/Connection.h"
#include "db/Date.h"
#include "db/Error.h"
#include "db/Value.h"

// <cstdio> defines EOF as a macro, which would turn rs.EOF() into rs.(-1)(). This header therefore
// removes that macro for every file that includes it (<cstdio> is included first, so its include
// guard keeps it from coming back). Use std::char_traits<char>::eof() for C's EOF in such files.
#include <cstdio>
#undef EOF

namespace db {

// ADO values, so callers may pass ADO's numbers. All cursor types behave as a
// static snapshot; every lock type except ReadOnly allows writing (written through at once).
enum class CursorType { ForwardOnly = 0, Keyset = 1, Dynamic = 2, Static = 3 };
enum class LockType { ReadOnly = 1, Pessimistic = 2, Optimistic = 3, BatchOptimistic = 4 };
enum class CursorLocation { Server = 2, Client = 3 };
enum class EditMode { None = 0, InProgress = 1, Add = 2 };

class Recordset;

// A field of the current row, by name or position. Reading gives a Value; assigning writes the
// value into the pending change of the current row (starting one when there is none).
// Obtained from Recordset::operator[] / Field(); valid while the recordset stays open.
class Field {
 public:
  const std::string& Name() const;
  Value Get() const;  // throws NoCurrentRow at BOF/EOF or on a deleted row
  operator Value() const { return Get(); }

  int Int() const { return Get().Int(); }
  long long Int64() const { return Get().Int64(); }
  double Double() const { return Get().Double(); }
  std::string Text() const { return Get().Text(); }
  db::Date Date() const { return Get().Date(); }
  bool IsNull() const { return Get().IsNull(); }
  ValueType Type() const { return Get().Type(); }

  // Writes. The value is converted to the field's declared type at once (a text "05.03.2007"
  // into a date field becomes that date, "17" into a number field 17); a value that does not
  // convert throws TypeMismatch. Throws ReadOnly on a read-only recordset.
  Field& operator=(const Value& v);
  Field& operator=(const Field& other) { return *this = other.Get(); }  // copies the value
  Field(const Field&) = default;

 private:
  friend class Recordset;
  Field(Recordset* rs, int index) : rs_(rs), index_(index) {}
  Recordset* rs_;
  int index_;
};

class Recordset {
 public:
  Recordset();
  ~Recordset();  // discards a pending change
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;
  Recordset(Recordset&&) noexcept;
  Recordset& operator=(Recordset&&) noexcept;

  // source: a table name (matched without regard to case; may be bracketed) or an SQL text
  // (starts with SELECT, TRANSFORM or '('). options is accepted and ignored (-1 = unspecified).
  // Throws TableNotFound (missing table), Sql (query refused), NotOpen (connection closed, or
  // this recordset already open: it then stays as it was, with filter and sort).
  // After opening the current row is the first (BOF and EOF both true when there are no rows).
  void Open(const std::string& source, Connection& conn,
            CursorType cursor = CursorType::ForwardOnly, LockType lock = LockType::ReadOnly,
            int options = -1);
  // The same with ADO's numbers (cursor 0..3, lock 1..4); other numbers throw db::Error.
  void Open(const std::string& source, Connection& conn, int cursor, int lock, int options = -1);

  // Saves a pending change (its failure is thrown after closing), then forgets the rows.
  // Closing a closed recordset does nothing. Filter and sort are dropped; CursorLocation stays.
  void Close();
  // Forgets the rows without saving: for a recordset only read through, or one whose failure is
  // already on its way to the user.
  void Discard() noexcept;
  bool IsOpen() const;
  int State() const { return IsOpen() ? 1 : 0; }  // ADO adStateClosed 0 / adStateOpen 1

  // Settable while closed only (throws NotOpen while open), kept across Close/Open.
  // Sort works with either location here.
  void SetCursorLocation(CursorLocation loc);
  CursorLocation GetCursorLocation() const;

  // Moves. Each first saves a pending change. Moving past the end gives EOF, before the start BOF;
  // moving further there does nothing (no error). On an empty recordset BOF and EOF stay true.
  void MoveFirst();
  void MoveLast();
  void MoveNext();
  void MovePrevious();
  bool EOF() const;                     // true while closed, and on an empty (or emptied) recordset
  bool BOF() const;                     // true while closed, and on an empty (or emptied) recordset
  bool IsEOF() const { return EOF(); }  // the same, for code where EOF is a macro
  bool IsBOF() const { return BOF(); }

  // Rows visible through the filter (deleted rows not counted).
  long RecordCount() const;
  // 1-based position of the current row among the visible rows; -1 at BOF/EOF.
  long AbsolutePosition() const;

  // Searches forward from the current row (included) for the first visible row matching the
  // criterion (see Criteria.h); EOF when none does. At BOF the search starts at the first row;
  // at EOF it stays at EOF. Throws CriterionSyntax / FieldNotFound for a bad criterion.
  void Find(const std::string& criterion);

  // Shows only the rows matching the criterion (empty text: all rows) and moves to the first.
  // Filter(0) and FilterNone() clear it as well (ADO adFilterNone).
  void Filter(const std::string& criterion);
  void Filter(const char* criterion) { Filter(std::string(criterion ? criterion : "")); }
  void Filter(int none);  // only 0 is accepted
  void FilterNone() { Filter(std::string()); }
  const std::string& GetFilter() const;

  // "Field [ASC|DESC][, Field [ASC|DESC]...]"; stable; texts in CompareText order, nulls first.
  // Empty text: table / query order again. Moves to the first row. Stays across Filter changes.
  void Sort(const std::string& sortText);
  const std::string& GetSort() const;

  // Fields of the current row. Names match without regard to case ("notiz" = "Notiz").
  // Throws FieldNotFound for an unknown name.
  db::Field operator[](std::string_view name);
  db::Field Field(std::string_view name);
  db::Field Field(int index);  // 0-based, in the order of the table's or query's columns
  Value Get(std::string_view name) const;  // read-only access
  int FieldCount() const;
  std::string FieldName(int index) const;
  bool HasField(std::string_view name) const;

  // Starts a new row (saving a pending change first); fields not assigned get the table's
  // defaults. The new row is appended to the rows and becomes the current row.
  void AddNew();
  // Saves the pending change (INSERT or UPDATE, one statement, atomic); nothing to do when none.
  // After saving a new row its automatic number (LfdNr) and defaults are known.
  // On failure the change is dropped, the row keeps its stored values, and db::Error is thrown.
  void Update();
  void CancelUpdate();  // drops a pending change (a pending new row disappears)
  EditMode GetEditMode() const;
  // Deletes the current row from the file at once (a pending change of it is dropped). The row
  // stays current but unreadable until the next move; MoveNext goes to the row after it.
  // Throws NoCurrentRow at BOF/EOF.
  void Delete();

  // Reads the rows again (pending change saved first), keeping filter and sort; moves to the first.
  void Requery();

  bool IsReadOnly() const;
  const std::string& Source() const;

  struct Impl;

 private:
  friend class db::Field;
  std::unique_ptr<Impl> impl_;
};

}  // namespace db
