#include "db/StatementLimit.h"

#include <sqlite3.h>

#include <utility>

namespace db::detail {

namespace {
// SQLite calls the check after this many steps of whichever statement runs; rare enough to cost
// nothing measurable.
constexpr int kStepsPerCheck = 100'000;
}  // namespace

void StatementLimit::Watch(sqlite3* db) {
  db_ = db;
  running_.clear();
  sameChecks_ = 0;
  sqlite3_progress_handler(db, kStepsPerCheck, &StatementLimit::Check, this);
}

int StatementLimit::Check(void* self) {
  auto& limit = *static_cast<StatementLimit*>(self);
  // SQLite counts a statement's steps only when a step returns, so a statement that never
  // returns shows as the same runs seen running at check after check.
  std::vector<std::pair<sqlite3_stmt*, int>> running;
  for (sqlite3_stmt* st = sqlite3_next_stmt(limit.db_, nullptr); st;
       st = sqlite3_next_stmt(limit.db_, st)) {
    if (sqlite3_stmt_busy(st))
      running.emplace_back(st, sqlite3_stmt_status(st, SQLITE_STMTSTATUS_RUN, 0));
  }
  if (running == limit.running_) {
    ++limit.sameChecks_;
  } else {
    limit.running_ = std::move(running);
    limit.sameChecks_ = 0;
  }
  return limit.sameChecks_ * kStepsPerCheck > kMaxSteps ? 1 : 0;
}

}  // namespace db::detail
