#pragma once
// A day column of the month grid as the day of the shown month it stands for.
#include <string>

#include "core/State.h"
#include "db/Date.h"

namespace mv {

inline db::Date SelectedDay(const State& s, int col) {
  return db::Date(s.CurrentYear, s.CurrentMonth, col);
}

// "DD.MM.YYYY", the form in which the entry of absences writes and compares days.
inline std::string DayText(const State& s, int col) { return SelectedDay(s, col).ToShort(); }

}  // namespace mv
