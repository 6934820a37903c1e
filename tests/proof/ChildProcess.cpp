#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <new>
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
  // Stays readable under /proc for the sanitizers' reports.
  prctl(PR_SET_DUMPABLE, 1);
}

// The child runs body and ends as RunInChild says.
pid_t Fork(const std::function<void()>& body) {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid > 0) return pid;
  int status = 0;
  try {
    body();
    status = ::testing::Test::HasFailure() ? 1 : 0;
  } catch (const std::exception& e) {
    std::cerr << "the child process failed: " << e.what() << "\n";
    status = 2;
  }
  std::fflush(stdout);
  std::fflush(stderr);
  _exit(status);
}

ChildEnd WaitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return {};
  }
  ChildEnd end;
  if (WIFEXITED(status)) end.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
  return end;
}

// Each child has its own watch; its points are counted in memory shared with the parent.
struct Watch {
  int killAt = 0;
  bool armed = false;
  Points* passed = nullptr;
};
Watch g_watch;

void Pass(int Points::*kind) {
  if (!g_watch.armed) return;
  ++(g_watch.passed->*kind);
  if (g_watch.passed->Total() == g_watch.killAt) raise(SIGKILL);
}

void RowWritten(void*, int, const char*, const char*, sqlite3_int64) { Pass(&Points::rows); }

}  // namespace

std::string ChildEnd::Describe() const {
  return signal ? "killed by signal " + std::to_string(signal)
                : "exit code " + std::to_string(exitCode);
}

ChildEnd RunInChild(const std::function<void()>& body) {
  return WaitFor(Fork([&] {
    if (geteuid() == 0) BecomeNobody();
    body();
  }));
}

KillRun RunAndKill(int killAt, const std::function<void(const Arm&)>& scenario) {
  void* shared =
      mmap(nullptr, sizeof(Points), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (shared == MAP_FAILED) throw std::runtime_error("no memory to share with the child");
  Points* passed = new (shared) Points{};
  KillRun run;
  run.end = WaitFor(Fork([&] {
    alarm(60);  // a child that hangs ends all the same
    g_watch = Watch{killAt, false, passed};
    WatchedDisk disk;
    disk.Watch([] { Pass(&Points::fileChanges); });
    scenario([](sqlite3* db) {
      sqlite3_update_hook(db, RowWritten, nullptr);
      g_watch.armed = true;
    });
    g_watch.armed = false;
  }));
  run.killed = run.end.signal == SIGKILL && passed->Total() == killAt;
  run.passed = *passed;
  munmap(shared, sizeof(Points));
  return run;
}

}  // namespace prooftest
