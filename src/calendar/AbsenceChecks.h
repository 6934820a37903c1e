#pragma once
// The checks made before absences are written (a team's limit of absent members, absent
// dependent colleagues) and the member count that keeps teams at 30.
#include "calendar/CalendarWindows.h"
#include "core/State.h"

namespace mv {

// DepPersNr 1-3 of CurrentPersNr when dependency notices are on, else all 0; clears DepNames.
void LoadDependencies(State& s);

// Asks before the selected days exceed the shown team's MaxAbw or meet an absent dependent
// (only while HasDeps). True when the user answered no: nothing may be written.
bool CheckAbsenceLimits(CalendarWindows& w);

// Employees of the team.
int CountTeamMembers(State& s, int TeamNr);

}  // namespace mv
