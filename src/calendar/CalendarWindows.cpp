#include "calendar/CalendarWindows.h"

#include "calendar/frmKalender.h"
#include "calendar/frmNotiz.h"

namespace mv {

CalendarWindows::CalendarWindows(CoreWindows& coreWindows)
    : s(coreWindows.s),
      core(coreWindows),
      frmKalender([this] { return std::make_unique<mv::frmKalender>(*this); }),
      frmNotiz([this] { return std::make_unique<mv::frmNotiz>(*this); }) {}

// The note dialog first: its handlers refer to the main window.
CalendarWindows::~CalendarWindows() {
  frmNotiz.Discard();
  frmKalender.Discard();
}

}  // namespace mv
