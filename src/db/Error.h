#pragma once
// db::Error: every failure of the database layer.
#include <stdexcept>
#include <string>

namespace db {

// What went wrong, for callers (and tests) that need to tell failures apart.
// The description (what()) is always a readable sentence for a message box.
enum class ErrorKind {
  Other,
  ConnectionString,  // the connection string cannot be read (no Data Source, unknown provider)
  FileNotFound,      // empty path, missing file, a folder instead of a file
  NotADatabase,      // the file exists but is not a database
  NotOpen,           // connection or recordset is closed / already open where it must not be
  TableNotFound,     // a table named by a recordset or an SQL text does not exist
  FieldNotFound,     // a field name is not in the recordset
  NoCurrentRow,      // BOF or EOF is true, or the current row was deleted
  ReadOnly,          // writing to a read-only recordset (SQL or LockType::ReadOnly)
  TypeMismatch,      // a value cannot be converted (text into a number field, ...)
  CriterionSyntax,   // a Find/Filter criterion or a Sort text cannot be parsed
  Sql,               // SQLite refused an SQL text or a write (syntax, a trigger's refusal, ...)
  Constraint,        // a value too long or out of range, a field without a value, a key taken
  Busy,              // another running copy held the file locked longer than the busy timeout
  NotWritable,       // the file or its folder cannot be written (read-only, no journal possible)
  DiskFull,          // the file cannot grow: the disk, or the size limit set on the connection
};

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& what, ErrorKind kind = ErrorKind::Other)
      : std::runtime_error(what), kind_(kind) {}
  ErrorKind Kind() const noexcept { return kind_; }

 private:
  ErrorKind kind_;
};

}  // namespace db
