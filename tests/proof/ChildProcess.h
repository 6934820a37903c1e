#pragma once
// Parts of a proof that run in a child process: as an ordinary user where the tests run as root,
// or killed (SIGKILL) at a chosen point of a user's write.
#include <sqlite3.h>

#include <functional>
#include <string>

namespace prooftest {

// How a child process ended: its exit code, or the signal that ended it.
struct ChildEnd {
  int exitCode = -1;
  int signal = 0;
  std::string Describe() const;
};

// Runs body in a child process and waits for it. The child ends with 0 when body returned and no
// expectation failed in it, 1 when one failed, 2 when body threw; no destructor or exit handler of
// the child runs: what the test made before the fork belongs to the parent. unprivileged: a child
// of root first becomes the user "nobody", so that file permissions apply to it as to every user
// of the program (root writes to a read-only file); it ends with 3 when it cannot.
ChildEnd RunInChild(const std::function<void()>& body, bool unprivileged = false);

// The points of a write, counted from arming on: after each row written (SQLite's update hook on
// the program's connection) and after each change of a file (a write, truncation or sync of the
// database file or its journal, the deletion of the journal).
struct Points {
  int rows = 0;
  int fileChanges = 0;
  int Total() const { return rows + fileChanges; }
};

struct KillRun {
  bool killed = false;  // at the point asked for
  Points passed;        // up to the kill, or every point of the write
  ChildEnd end;
};

// The scenario calls arm with the program's connection right before the user's action whose
// write is watched.
using Arm = std::function<void(sqlite3*)>;

// Runs scenario in a child process that is killed with SIGKILL right at point killAt (1-based). A
// child with fewer points runs to its end.
KillRun RunAndKill(int killAt, const std::function<void(const Arm&)>& scenario);

}  // namespace prooftest
