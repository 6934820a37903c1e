#pragma once
// Reading the look of a month grid cell without leaving the grid's current cell moved.
#include <vector>

#include "calendar/DaySelection.h"
#include "forms/Grid.h"

namespace mvtest {

inline forms::Color BackAt(forms::Grid& g, int row, int col) {
  const int r = g.Row(), c = g.Col();
  g.SetRow(row);
  g.SetCol(col);
  const forms::Color back = g.CellBackColor();
  g.SetRow(r);
  g.SetCol(c);
  return back;
}

inline bool BoldAt(forms::Grid& g, int row, int col) {
  const int r = g.Row(), c = g.Col();
  g.SetRow(row);
  g.SetCol(col);
  const bool bold = g.CellFontBold();
  g.SetRow(r);
  g.SetCol(c);
  return bold;
}

// The day columns of a row painted in the selection colour.
inline std::vector<int> SelectedDays(forms::Grid& g, int row) {
  std::vector<int> days;
  for (int c = 1; c < g.Cols(); ++c)
    if (BackAt(g, row, c) == mv::SelectionColor) days.push_back(c);
  return days;
}

// Member rows 4 and below with any day in the selection colour.
inline int RowsWithSelection(forms::Grid& g) {
  int rows = 0;
  for (int r = 4; r < g.Rows(); ++r) rows += SelectedDays(g, r).empty() ? 0 : 1;
  return rows;
}

}  // namespace mvtest
