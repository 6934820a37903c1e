#pragma once
// Stops a statement that runs far longer than any of the program's own: on a damaged or foreign
// database file (a table that is an endless view, a trigger that never ends) reading or writing
// would otherwise never come back.
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace db::detail {

class StatementLimit {
 public:
  // Virtual machine steps of one run of one statement (about a second). Reading a table of
  // 100,000 rows takes about a million.
  static constexpr long long kMaxSteps = 50'000'000;

  StatementLimit() = default;
  StatementLimit(const StatementLimit&) = delete;
  StatementLimit& operator=(const StatementLimit&) = delete;

  // Watches every statement of db until it is closed; a statement past the limit fails with
  // SQLITE_INTERRUPT. This object must outlive db.
  void Watch(sqlite3* db);

 private:
  static int Check(void* self);

  sqlite3* db_ = nullptr;
  // The statements that were running at the last check (with their run number), and for how many
  // checks in a row the same runs have been the running ones.
  std::vector<std::pair<sqlite3_stmt*, int>> running_;
  long long sameChecks_ = 0;
};

}  // namespace db::detail
