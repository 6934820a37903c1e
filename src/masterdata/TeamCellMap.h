#pragma once
// The personnel number shown in each cell of the team grid, -1 where a cell shows nobody. It grows
// with the grid, so teams and members beyond the program's own limits (written by another program)
// still fit.
#include <vector>

namespace mv {

class TeamCellMap {
 public:
  // Every entry -1.
  void Clear() { cells_.clear(); }
  long At(int row, int col) const {
    if (row < 0 || col < 0 || row >= static_cast<int>(cells_.size())) return -1;
    const std::vector<long>& cells = cells_[row];
    return col < static_cast<int>(cells.size()) ? cells[col] : -1;
  }
  void Set(int row, int col, long persNr) {
    if (row >= static_cast<int>(cells_.size())) cells_.resize(row + 1);
    std::vector<long>& cells = cells_[row];
    if (col >= static_cast<int>(cells.size())) cells.resize(col + 1, -1);
    cells[col] = persNr;
  }

 private:
  std::vector<std::vector<long>> cells_;  // by row, then column
};

}  // namespace mv
