#pragma once
// The painting of the month calendar: day marks (weekday names, weekends, holidays) and the
// entries of the shown team with their note numbers. Called only by FillCalendar.
#include "calendar/CalendarWindows.h"
#include "core/State.h"

namespace mv {

// Marks day columns 1 to Days of CurrentMonth/CurrentYear; days the month lacks are left alone.
void FormatDayColumns(CalendarWindows& w, int Days);

// Letters, state colours and CellNotes of every member of RsTeamMembers in the shown month; the
// first failure to read a member's entries is kept in CalendarGap.
void LoadCalendarEntries(CalendarWindows& w);

}  // namespace mv
