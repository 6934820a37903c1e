#pragma once
// The day columns of the annual grid: column 1 is 1 January and each next column the next day,
// through 31 December, with the month calendar's month lengths (every fourth year a leap year).
#include <vector>

namespace mv {

struct DayColumn {
  int month = 0;
  int day = 0;
  int weekday = 0;  // Monday 1 to Sunday 7
};

// Index 0 stands for the name column and is empty; 365 or 366 day columns follow.
std::vector<DayColumn> DayColumnsOf(int year);

// The column of a date of the year; 0 for a date the year's columns lack.
int ColumnOf(int year, int month, int day);

}  // namespace mv
