#pragma once
// Keeps the rows of one operation together in the database file: committed all at once, or,
// when the operation fails before Commit, none of them.
#include "db/Connection.h"
#include "db/Error.h"

namespace mv {

class WriteTransaction {
 public:
  // Waits for another running copy's write lock as long as the connection's busy timeout.
  explicit WriteTransaction(db::Connection& conn) : conn_(conn) { conn_.BeginTrans(); }
  ~WriteTransaction() { Rollback(); }
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;

  void Commit() {
    conn_.CommitTrans();
    open_ = false;
  }

  void Rollback() noexcept {
    if (!open_) return;
    open_ = false;
    try {
      conn_.RollbackTrans();
    } catch (const db::Error&) {
      // SQLite has rolled back on its own when the failure ended the transaction.
    }
  }

 private:
  db::Connection& conn_;
  bool open_ = true;
};

}  // namespace mv
