#pragma once
// tbl_Ferien as the holiday window reads and writes it through RsFerien, which the window keeps
// open while it is shown. A day is marked while it has a row; after a write every day written
// has exactly one row, whatever another program stored twice.
#include <bitset>
#include <string>
#include <vector>

#include "core/State.h"
#include "db/Date.h"

namespace mv {

// Days 1 to 31 of the month that have a row in RsFerien (bit d for day d).
std::bitset<32> MarkedDays(db::Recordset& holidays, int year, int month);

// Each day gets one row carrying the note number (0 = none): an existing row is kept and changed,
// further rows of the day are removed. All days or none: a failure is thrown after the rollback.
void MarkHolidays(State& s, const std::vector<db::Date>& days, long note);

// Removes every row of each day, in one transaction like MarkHolidays.
void UnmarkHolidays(State& s, const std::vector<db::Date>& days);

// Rows of tbl_Ferien in the year, as the status line counts them.
long HolidaysInYear(State& s, int year);

// The note text of a day with exactly one row; "" for an unmarked day, a day without note, a day
// stored twice or a note number whose text is gone.
std::string HolidayNote(State& s, const db::Date& day);

}  // namespace mv
