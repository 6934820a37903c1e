#include "core/WriteGuard.h"

#include "db/Error.h"

namespace mv {

WriteGuard::WriteGuard(db::Connection& conn, std::initializer_list<db::Recordset*> writers)
    : conn_(conn), writers_(writers) {
  conn_.BeginTrans();
}

void WriteGuard::Commit() {
  conn_.CommitTrans();
  open_ = false;
}

WriteGuard::~WriteGuard() {
  if (!open_) return;
  for (db::Recordset* rs : writers_) rs->CancelUpdate();
  try {
    conn_.RollbackTrans();
  } catch (const db::Error&) {
    // SQLite has rolled back on its own when the failure ended the transaction.
  }
  for (db::Recordset* rs : writers_) {
    try {
      if (rs->IsOpen()) rs->Requery();
    } catch (const db::Error&) {
      // The failure on its way is the one the user is shown. Every writer reads its rows again
      // before it writes, so a recordset left stale here misleads no later write.
    }
  }
}

}  // namespace mv
