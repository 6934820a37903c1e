// Ownership and reuse of prepared statements.
#include <sqlite3.h>

#include "db/Internal.h"

namespace db {
namespace detail {

void StatementFinalizer::operator()(sqlite3_stmt* st) const noexcept { sqlite3_finalize(st); }

Statement StatementCache::Take(const std::string& sql) {
  auto found = index_.find(sql);
  if (found == index_.end()) return nullptr;
  auto entry = found->second;
  index_.erase(found);
  Statement st = std::move(entry->st);
  order_.erase(entry);
  return st;
}

void StatementCache::Keep(std::string sql, Statement st) {
  sqlite3_reset(st.get());
  sqlite3_clear_bindings(st.get());
  if (index_.contains(sql)) return;
  order_.push_front(Entry{std::move(sql), std::move(st)});
  index_.emplace(order_.front().sql, order_.begin());
  while (order_.size() > kCapacity) {
    index_.erase(order_.back().sql);
    order_.pop_back();
  }
}

void StatementCache::Clear() {
  index_.clear();
  order_.clear();
}

CachedStatement::~CachedStatement() {
  if (owner_.db) owner_.statements.Keep(std::move(sql_), std::move(st_));
}

}  // namespace detail
}  // namespace db
