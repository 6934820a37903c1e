// The process and the disk a proof runs the program in.
#include <grp.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <iostream>
#include <stdexcept>

#include "Proof.h"

namespace prooftest {

namespace {

constexpr uid_t kNobody = 65534;

void BecomeNobody() {
  if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
    std::cerr << "the child cannot become the user nobody\n";
    _exit(3);
  }
  prctl(PR_SET_DUMPABLE, 1);  // stays readable under /proc for the sanitizers' reports
}

// Every file keeps the real file layer's state and methods (one set for the database, another for
// its journal), but for the changes, which are reported (the watcher may stop the process right
// there) and refused on a full disk. The methods lead the struct: a file's methods lead to both.
struct Wrapped {
  sqlite3_io_methods methods;
  const sqlite3_io_methods* real;
};

struct Disk {
  sqlite3_vfs* real = nullptr;
  sqlite3_vfs vfs{};
  std::deque<Wrapped> wrapped;
  bool full = false;
  std::function<void()> afterChange;
};

Disk* g_disk = nullptr;

const sqlite3_io_methods& Real(sqlite3_file* f) {
  return *reinterpret_cast<const Wrapped*>(f->pMethods)->real;
}

int Changed(int rc) {
  if (g_disk->afterChange) g_disk->afterChange();
  return rc;
}

int Write(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
  if (g_disk->full) {
    sqlite3_int64 size = 0;
    const int rc = Real(f).xFileSize(f, &size);
    if (rc != SQLITE_OK) return rc;
    if (offset + amount > size) return SQLITE_FULL;
  }
  return Changed(Real(f).xWrite(f, buffer, amount, offset));
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) { return Changed(Real(f).xTruncate(f, size)); }
int Sync(sqlite3_file* f, int flags) { return Changed(Real(f).xSync(f, flags)); }

int Open(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
  const int rc = g_disk->real->xOpen(g_disk->real, name, f, flags, outFlags);
  if (!f->pMethods) return rc;
  auto& wrapped = g_disk->wrapped;
  auto it = std::find_if(wrapped.begin(), wrapped.end(),
                         [f](const Wrapped& w) { return w.real == f->pMethods; });
  if (it == wrapped.end()) {
    it = wrapped.insert(it, Wrapped{*f->pMethods, f->pMethods});
    it->methods.xWrite = Write;
    it->methods.xTruncate = Truncate;
    it->methods.xSync = Sync;
  }
  f->pMethods = &it->methods;
  return rc;
}

}  // namespace

std::string RunInChild(bool unprivileged, const std::function<void()>& body) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int status = 0;
    try {
      if (unprivileged && geteuid() == 0) BecomeNobody();
      body();
      status = ::testing::Test::HasFailure() ? 1 : 0;
    } catch (const std::exception& e) {
      std::cerr << "the child process failed: " << e.what() << "\n";
      status = 2;
    }
    std::fflush(nullptr);
    _exit(status);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return "lost";
  }
  return WIFSIGNALED(status) ? "killed by signal " + std::to_string(WTERMSIG(status))
                             : "exit code " + std::to_string(WEXITSTATUS(status));
}

WatchedDisk::WatchedDisk() {
  if (g_disk) throw std::logic_error("one watched disk at a time");
  g_disk = new Disk;
  g_disk->real = sqlite3_vfs_find(nullptr);
  g_disk->vfs = *g_disk->real;
  g_disk->vfs.pNext = nullptr;
  g_disk->vfs.zName = "morvellan-watched-disk";
  g_disk->vfs.xOpen = Open;
  sqlite3_vfs_register(&g_disk->vfs, 1);
}

WatchedDisk::~WatchedDisk() {
  sqlite3_vfs_unregister(&g_disk->vfs);
  sqlite3_vfs_register(g_disk->real, 1);
  delete g_disk;
  g_disk = nullptr;
}

void WatchedDisk::SetFull(bool full) { g_disk->full = full; }

void WatchedDisk::Watch(std::function<void()> afterChange) {
  g_disk->afterChange = std::move(afterChange);
}

}  // namespace prooftest
