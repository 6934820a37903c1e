#include "overview/OverviewWindows.h"

#include "overview/frmJahresansicht.h"

namespace mv {

OverviewWindows::OverviewWindows(CalendarWindows& calendarWindows)
    : s(calendarWindows.s),
      calendar(calendarWindows),
      frmJahresansicht([this] { return std::make_unique<mv::frmJahresansicht>(*this); }) {}

OverviewWindows::~OverviewWindows() = default;

}  // namespace mv
