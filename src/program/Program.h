#pragma once
// The whole program: its data, every window, and the links from the lower windows to the ones
// above them. The entry point, the tests and the benchmarks start the program through it.
#include "calendar/CalendarWindows.h"
#include "core/CoreWindows.h"
#include "core/State.h"
#include "forms/Platform.h"
#include "masterdata/MasterDataWindows.h"
#include "overview/OverviewWindows.h"

namespace mv {

class Program {
 public:
  explicit Program(forms::Platform& platform);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Start-up as the platform runs it (mv::Main): 0 when the login window is shown.
  int Start();

  // Declared in layer order: the windows go before the data their handlers use, the upper ones
  // before the lower.
  State s;
  CoreWindows core;
  CalendarWindows calendar;
  MasterDataWindows masterdata;
  OverviewWindows overview;

 private:
  void Connect();
};

}  // namespace mv
