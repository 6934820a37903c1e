#pragma once
// The action row's choices and the absence code KennZ they lead to, with the month grid's preview
// of the choice.
#include "calendar/CalendarWindows.h"
#include "core/State.h"

namespace mv {

// The action row's choices: set CurrentAction (the sick-day action for Krank) and show the choice
// (label underlined, option set).
void SelectApprove(CalendarWindows& w);
void SelectEnquire(CalendarWindows& w);
void SelectDecline(CalendarWindows& w);

// CurrentSign and CurrentKennZ from CurrentAction and CurrentType, and the current cell of the
// month grid painted in the sign's colour as a preview. CurrentKennZ is "" when the mode and
// action form no code, which the action row never lets happen.
void PrepareKennZ(CalendarWindows& w);

}  // namespace mv
