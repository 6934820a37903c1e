#include "overview/OverviewWindows.h"

#include "overview/frmDrucken.h"
#include "overview/frmInfo.h"
#include "overview/frmJahresansicht.h"
#include "overview/frmOptionen.h"

namespace mv {

OverviewWindows::OverviewWindows(CalendarWindows& calendarWindows)
    : s(calendarWindows.s),
      calendar(calendarWindows),
      frmJahresansicht([this] { return std::make_unique<mv::frmJahresansicht>(*this); }),
      frmOptionen([this] { return std::make_unique<mv::frmOptionen>(*this); }),
      frmDrucken([this] { return std::make_unique<mv::frmDrucken>(*this); }),
      frmInfo([this] { return std::make_unique<mv::frmInfo>(*this); }) {}

OverviewWindows::~OverviewWindows() = default;

}  // namespace mv
