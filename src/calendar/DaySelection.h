#pragma once
// The run of days being selected with the mouse in one member row of the month grid: the anchor
// where the press happened, the ascending run between anchor and pointer painted in
// SelectionColor, and the colours the painting covered, so that a shrinking or cancelled run
// leaves no stray cells.
#include <map>

#include "forms/Grid.h"

namespace mv {

inline constexpr forms::Color SelectionColor = 0xFFFF00;

class DaySelection {
 public:
  explicit DaySelection(forms::Grid& grid) : grid_(grid) {}

  bool Active() const { return row_ > 0; }
  int Row() const { return row_; }
  int First() const { return first_; }
  int Last() const { return last_; }

  // Starts a run of one day and paints it.
  void Begin(int row, int anchorCol);
  // The run becomes the days between the anchor and col, both included.
  void Reach(int col);
  // Gives the covered cells their colours back and ends the run.
  void Cancel();
  // Ends the run without touching the grid (it has been rebuilt).
  void Forget();

 private:
  void Paint(int col);
  void Unpaint(int col);

  forms::Grid& grid_;
  int row_ = 0;
  int anchor_ = 0;
  int first_ = 0;
  int last_ = 0;
  std::map<int, forms::Color> covered_;
};

}  // namespace mv
