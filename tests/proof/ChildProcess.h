#pragma once
// Parts of a proof that run in a child process: as an ordinary user where the tests run as root,
// or to be killed in the middle of a write.
#include <functional>
#include <string>

namespace prooftest {

// How a child process ended: its exit code, or the signal that ended it.
struct ChildEnd {
  int exitCode = -1;
  int signal = 0;
  std::string Describe() const;
};

// The child's side of a fork: runs body and ends the process with 0 when body returned and no
// expectation failed in it, 1 when one failed, 2 when body threw. No destructor or exit handler
// of the child runs: what the test made before the fork belongs to the parent.
[[noreturn]] void EndChildWith(const std::function<void()>& body);

// Waits for the child and tells how it ended.
ChildEnd WaitFor(int pid);

// Runs body in a child process and waits for it. unprivileged: a child of root first becomes the
// user "nobody", so that file permissions apply to it as to every user of the program (root
// writes to a read-only file); it ends with 3 when it cannot.
ChildEnd RunInChild(const std::function<void()>& body, bool unprivileged = false);

// Whether the tests run as root.
bool RunningAsRoot();

}  // namespace prooftest
