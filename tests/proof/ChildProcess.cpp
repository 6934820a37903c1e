#include "ChildProcess.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <iostream>
#include <stdexcept>

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

}  // namespace

std::string ChildEnd::Describe() const {
  return signal ? "killed by signal " + std::to_string(signal)
                : "exit code " + std::to_string(exitCode);
}

void EndChildWith(const std::function<void()>& body) {
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

ChildEnd WaitFor(int pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return {};
  }
  ChildEnd end;
  if (WIFEXITED(status)) end.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
  return end;
}

bool RunningAsRoot() { return geteuid() == 0; }

ChildEnd RunInChild(const std::function<void()>& body, bool unprivileged) {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (unprivileged && RunningAsRoot()) BecomeNobody();
    EndChildWith(body);
  }
  return WaitFor(pid);
}

}  // namespace prooftest
