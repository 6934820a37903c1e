#pragma once
// The month calendar grid of the main window: its fixed layout, the member rows of the shown
// team and the rebuild that every window asks for after changing what the calendar shows.
#include <string>

#include "core/State.h"
#include "forms/Grid.h"

namespace mv {

// Once per load of the main window, before its first rebuild.
void InitCalendarGrid(State& s);

// Reopens RsTeamMembers on the members of CurrentTeam (SqlTeam).
void LoadTeamMembers(State& s);

// Modus "Team": member rows of CurrentTeam; "Monat": day columns of CurrentMonth/CurrentYear.
// Both passes repaint every entry of the shown month.
void FillCalendar(State& s, const std::string& Modus);

// Row height, fonts and day column widths for ZoomLevel.
void ApplyZoom(State& s);

// Whether member row `row` of the grid shows the logged-in user's own name.
bool ShowsOwnName(const State& s, const forms::Grid& g, int row);

// Days of the shown month by the calendar's own rule: every fourth year is a leap year.
int MonthLength(int month, int year);

}  // namespace mv
