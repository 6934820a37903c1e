#pragma once
// The tbl_Kalender rows of CurrentPersNr's selected days (grid columns first to last of the shown
// month), written and deleted through RsKalender in one transaction: all days or, with a db::Error
// thrown, none. Rows another running copy wrote or deleted after RsKalender was opened are read
// again under the write lock, so one employee never gets two rows for one day. RsKalender is left
// without a filter.
#include "calendar/CalendarWindows.h"
#include "core/State.h"

namespace mv {

// One row per day with CurrentKennZ (a group-3 user keeps a "K" code), the day and NoteNr: a new
// row where the employee has none, else his row changed in place. PrepareKennZ runs for each day
// on the grid's current row.
void WriteSelectedDays(CalendarWindows& w, int first, int last);

// Every row of the days; for group 3 only the enquired ones.
void DeleteSelectedDays(State& s, int first, int last);

}  // namespace mv
