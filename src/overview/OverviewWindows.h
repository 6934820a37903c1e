#pragma once
// The windows of the annual overview, the options, the print manager and the about box.
#include "calendar/CalendarWindows.h"
#include "core/State.h"
#include "forms/FormSlot.h"

namespace mv {

class frmJahresansicht;
class frmOptionen;
class frmDrucken;
class frmInfo;

struct OverviewWindows {
  explicit OverviewWindows(CalendarWindows& calendar);
  ~OverviewWindows();
  OverviewWindows(const OverviewWindows&) = delete;
  OverviewWindows& operator=(const OverviewWindows&) = delete;

  State& s;
  CalendarWindows& calendar;
  forms::FormSlot<mv::frmJahresansicht> frmJahresansicht;
  forms::FormSlot<mv::frmOptionen> frmOptionen;
  forms::FormSlot<mv::frmDrucken> frmDrucken;
  forms::FormSlot<mv::frmInfo> frmInfo;
};

}  // namespace mv
