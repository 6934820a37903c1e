#pragma once
// The main window's team list, which the employee card shares, and its tooltips.
#include "calendar/CalendarWindows.h"
#include "core/State.h"

namespace mv {

// Refills the team lists of the main window and (through its link) of the employee card from
// tbl_Teams, in table order (position = TeamNr). The card's list is left without a selected entry;
// the main window's names CurrentTeam again when it named a team before, without a rebuild.
void FillTeamCombos(CalendarWindows& w);

// FillTeamCombos, then the main window's list selects CurrentTeam again, so that the list names
// the team the calendar shows; the calendar's member rows are rebuilt for it.
void FillTeamCombosOnCurrentTeam(CalendarWindows& w);

// Tooltips of the main window in the current language.
void SetToolTips(CalendarWindows& w);

}  // namespace mv
