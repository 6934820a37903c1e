#pragma once
// The main window's team list, which the employee card shares, and its tooltips.
#include "calendar/CalendarWindows.h"
#include "core/State.h"

namespace mv {

// Refills the team lists of the main window and (through its link) of the employee card from
// tbl_Teams, in table order (position = TeamNr); both are left without a selected entry.
void FillTeamCombos(CalendarWindows& w);

// FillTeamCombos, then the main window's list selects CurrentTeam again, so that the list names
// the team the calendar shows; the calendar's member rows are rebuilt for it.
void FillTeamCombosOnCurrentTeam(CalendarWindows& w);

// Tooltips of the main window in the current language.
void SetToolTips(CalendarWindows& w);

}  // namespace mv
