#include "calendar/DaySelection.h"

#include <algorithm>

namespace mv {

void DaySelection::Begin(int row, int anchorCol) {
  Forget();
  row_ = row;
  anchor_ = first_ = last_ = anchorCol;
  Paint(anchorCol);
  grid_.SetRow(row_);
  grid_.SetCol(anchorCol);
}

void DaySelection::Reach(int col) {
  if (!Active()) return;
  first_ = std::min(anchor_, col);
  last_ = std::max(anchor_, col);
  for (auto it = covered_.begin(); it != covered_.end();) {
    const int c = (it++)->first;
    if (c < first_ || c > last_) Unpaint(c);
  }
  for (int c = first_; c <= last_; ++c) Paint(c);
  grid_.SetRow(row_);
  grid_.SetCol(col);
}

void DaySelection::Cancel() {
  while (!covered_.empty()) Unpaint(covered_.begin()->first);
  Forget();
}

void DaySelection::Forget() {
  covered_.clear();
  row_ = anchor_ = first_ = last_ = 0;
}

void DaySelection::Paint(int col) {
  if (covered_.contains(col)) return;
  grid_.SetRow(row_);
  grid_.SetCol(col);
  covered_.emplace(col, grid_.CellBackColor());
  grid_.SetCellBackColor(SelectionColor);
}

void DaySelection::Unpaint(int col) {
  const auto it = covered_.find(col);
  if (it == covered_.end()) return;
  grid_.SetRow(row_);
  grid_.SetCol(col);
  grid_.SetCellBackColor(it->second);
  covered_.erase(it);
}

}  // namespace mv
