#pragma once
// A user's write run in a child process that is killed (SIGKILL) at a chosen point of the write.
#include <sqlite3.h>

#include <functional>

#include "ChildProcess.h"

namespace prooftest {

// The points of a write, counted from arming on: after each row written (SQLite's update hook on
// the program's connection) and after each change of a file (a write, truncation or sync of the
// database file or its journal, the deletion of the journal).
struct Points {
  int rows = 0;
  int fileChanges = 0;
  int Total() const { return rows + fileChanges; }
};

struct KillRun {
  bool killed = false;  // by the parent, at the point asked for
  Points passed;        // when not killed: every point of the write
  ChildEnd end;
};

// The scenario calls arm with the program's connection right before the user's action whose
// write is watched.
using Arm = std::function<void(sqlite3*)>;

// Runs scenario in a child process. On reaching point killAt (1-based) the child tells the parent
// and waits; the parent kills it with SIGKILL. A child with fewer points runs to its end and
// reports them.
KillRun RunAndKill(int killAt, const std::function<void(const Arm&)>& scenario);

}  // namespace prooftest
