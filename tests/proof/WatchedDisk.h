#pragma once
// The disk as SQLite sees it, for the proofs: while it exists, every database file of the process
// is reached through it (it is SQLite's default file system layer). It can be full, and it can
// call a watcher after every change of a file.
#include <functional>

namespace prooftest {

class WatchedDisk {
 public:
  WatchedDisk();
  ~WatchedDisk();
  WatchedDisk(const WatchedDisk&) = delete;
  WatchedDisk& operator=(const WatchedDisk&) = delete;

  // A full disk: a write that would make a file longer fails as the system's file layer fails
  // without free space (SQLITE_FULL); writes within a file's length still succeed.
  void SetFull(bool full);

  // Called after each write, truncation, sync and deletion of a file; none when empty.
  void Watch(std::function<void()> afterChange);
};

}  // namespace prooftest
