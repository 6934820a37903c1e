#pragma once
// The month calendar grid of the main window: its fixed layout, the member rows of the shown
// team and the rebuild that every window asks for after changing what the calendar shows.
#include <string>

#include "calendar/CalendarWindows.h"
#include "core/State.h"
#include "forms/Grid.h"

namespace mv {

// Once per load of the main window, before its first rebuild.
void InitCalendarGrid(CalendarWindows& w);

// Reopens RsTeamMembers on the members of CurrentTeam (SqlTeam); a failure leaves it closed and is
// kept in CalendarGap.
void LoadTeamMembers(State& s);

// The two passes of the rebuild: the member rows of CurrentTeam, or the day columns of
// CurrentMonth and CurrentYear.
enum class CalendarPass { Team, Monat };

// Who tells the user of members or entries a rebuild could not read: the rebuild, or its caller
// (from CalendarGap, later in the same action).
enum class GapReport { Rebuild, Caller };

// Rebuilds one part of the month calendar and repaints every entry of the shown month. Members or
// entries it cannot read are kept in CalendarGap and told once. Does nothing while the main window
// is not loaded.
void FillCalendar(CalendarWindows& w, CalendarPass Modus, GapReport report = GapReport::Rebuild);

// CalendarGap for the user: that the calendar is not whole, and why.
std::string CalendarGapText(const State& s);

// The calendar font for the cells of columns 0 to 31 and the grid's own font; the main window's
// set-up gives it to the month grid and to the annual overview's grid.
void ApplyCalendarFont(forms::Grid& g, const std::string& font);

// Row height, fonts and day column widths for ZoomLevel.
void ApplyZoom(CalendarWindows& w);

// Whether member row `row` of the grid shows the logged-in user's own name.
bool ShowsOwnName(const State& s, const forms::Grid& g, int row);

// Days of the shown month by the calendar's own rule: every fourth year is a leap year.
int MonthLength(int month, int year);

}  // namespace mv
