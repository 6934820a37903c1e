#include <grp.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

}  // namespace prooftest
