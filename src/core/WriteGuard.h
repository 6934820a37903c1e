#pragma once
// Keeps one write of several rows whole. The rows reach the file together at Commit; a guard left
// without Commit (a failure on its way to the caller) drops the pending row of every recordset it
// names, rolls the transaction back and reads the recordsets again, so that they show what the
// file kept.
#include <initializer_list>
#include <vector>

#include "db/Connection.h"
#include "db/Recordset.h"

namespace mv {

class WriteGuard {
 public:
  // Waits for another running copy's write lock as long as the connection's busy timeout.
  WriteGuard(db::Connection& conn, std::initializer_list<db::Recordset*> writers);
  ~WriteGuard();
  WriteGuard(const WriteGuard&) = delete;
  WriteGuard& operator=(const WriteGuard&) = delete;

  void Commit();

 private:
  db::Connection& conn_;
  std::vector<db::Recordset*> writers_;
  bool open_ = true;
};

}  // namespace mv
