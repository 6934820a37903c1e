#pragma once
// The core's window, the login, and what it asks of the windows above it.
#include <functional>

#include "core/State.h"
#include "forms/FormSlot.h"

namespace mv {

class frmLogin;

struct CoreWindows {
  explicit CoreWindows(State& state);
  ~CoreWindows();
  CoreWindows(const CoreWindows&) = delete;
  CoreWindows& operator=(const CoreWindows&) = delete;

  State& s;
  forms::FormSlot<mv::frmLogin> frmLogin;

  // A successful login loads the main window; the program connects it.
  std::function<void()> LoadMainWindow;
};

}  // namespace mv
