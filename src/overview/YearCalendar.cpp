#include "overview/YearCalendar.h"

#include "calendar/CalendarGrid.h"
#include "db/Date.h"

namespace mv {

std::vector<DayColumn> DayColumnsOf(int year) {
  std::vector<DayColumn> columns(1);
  // Consecutive days from the first weekday of the year, so that the calendar's own leap-year
  // rule can never give a day two weekdays.
  const int first = db::Date(year, 1, 1).Weekday();
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= MonthLength(month, year); ++day) {
      const int offset = static_cast<int>(columns.size()) - 1;
      columns.push_back({month, day, (first - 1 + offset) % 7 + 1});
    }
  }
  return columns;
}

int ColumnOf(int year, int month, int day) {
  if (month < 1 || month > 12 || day < 1 || day > MonthLength(month, year)) return 0;
  int column = day;
  for (int m = 1; m < month; ++m) column += MonthLength(m, year);
  return column;
}

}  // namespace mv
