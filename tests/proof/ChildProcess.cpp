#include "ChildProcess.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <iostream>
#include <stdexcept>

#include "WatchedDisk.h"

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

// Forks; the child runs body and ends as RunInChild says. Returns the child's process id.
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

struct Message {
  char tag;  // 'K': stopped at the point, waiting to be killed; 'E': ran to its end
  Points passed;
};

// The child's watch; each child has its own copy.
struct Watch {
  int killAt = 0;
  int report = -1;
  bool armed = false;
  Points passed;
};
Watch g_watch;

void Report(char tag) {
  const Message m{tag, g_watch.passed};
  if (write(g_watch.report, &m, sizeof m) != static_cast<ssize_t>(sizeof m)) _exit(4);
}

void Pass(int Points::*kind) {
  if (!g_watch.armed) return;
  ++(g_watch.passed.*kind);
  if (g_watch.passed.Total() != g_watch.killAt) return;
  Report('K');
  for (;;) pause();
}

void RowWritten(void*, int, const char*, const char*, sqlite3_int64) { Pass(&Points::rows); }

bool ReadMessage(int fd, Message& m) {
  pollfd p{fd, POLLIN, 0};
  if (poll(&p, 1, 60'000) != 1) return false;
  return read(fd, &m, sizeof m) == static_cast<ssize_t>(sizeof m);
}

}  // namespace

std::string ChildEnd::Describe() const {
  return signal ? "killed by signal " + std::to_string(signal)
                : "exit code " + std::to_string(exitCode);
}

ChildEnd RunInChild(const std::function<void()>& body, bool unprivileged) {
  return WaitFor(Fork([&] {
    if (unprivileged && geteuid() == 0) BecomeNobody();
    body();
  }));
}

KillRun RunAndKill(int killAt, const std::function<void(const Arm&)>& scenario) {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = Fork([&] {
    close(fds[0]);
    g_watch = Watch{killAt, fds[1], false, {}};
    WatchedDisk disk;
    disk.Watch([] { Pass(&Points::fileChanges); });
    scenario([](sqlite3* db) {
      sqlite3_update_hook(db, RowWritten, nullptr);
      g_watch.armed = true;
    });
    g_watch.armed = false;
    Report('E');
  });
  close(fds[1]);
  KillRun run;
  Message m{};
  const bool told = ReadMessage(fds[0], m);
  close(fds[0]);
  if (!told || m.tag == 'K') kill(pid, SIGKILL);
  run.end = WaitFor(pid);
  run.killed = told && m.tag == 'K' && run.end.signal == SIGKILL;
  if (told) run.passed = m.passed;
  return run;
}

}  // namespace prooftest
