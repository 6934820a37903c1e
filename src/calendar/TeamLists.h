#pragma once
// Lists and tooltips that the main window shares with the employee card and the holiday window.
#include "core/State.h"

namespace mv {

// Refills the team lists of the main window and of the employee card from tbl_Teams, in table
// order (position = TeamNr); both are left without a selected entry.
void FillTeamCombos(State& s);

// Tooltips of the main window, the employee card and the holiday window in the current language.
void SetToolTips(State& s);

}  // namespace mv
