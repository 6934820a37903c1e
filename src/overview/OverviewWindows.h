#pragma once
// The windows of the annual overview, the options, the print manager and the about box.
#include "calendar/CalendarWindows.h"
#include "core/State.h"
#include "forms/FormSlot.h"

namespace mv {

class frmJahresansicht;

struct OverviewWindows {
  explicit OverviewWindows(CalendarWindows& calendar);
  ~OverviewWindows();
  OverviewWindows(const OverviewWindows&) = delete;
  OverviewWindows& operator=(const OverviewWindows&) = delete;

  State& s;
  CalendarWindows& calendar;
  forms::FormSlot<mv::frmJahresansicht> frmJahresansicht;
};

}  // namespace mv
