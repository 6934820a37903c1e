#include "forms/GridMerge.h"

namespace forms {

namespace {

constexpr int kRestrictRows = 2;
constexpr int kRestrictColumns = 3;
constexpr int kRestrictAll = 4;

}  // namespace

std::vector<MergedRange> MergedRanges(const GridPicture& p, int mergeCells,
                                      const std::vector<bool>& mergeRows,
                                      const std::vector<bool>& mergeCols) {
  std::vector<MergedRange> ranges;
  if (mergeCells == 0) return ranges;
  const bool restrictRows = mergeCells == kRestrictRows || mergeCells == kRestrictAll;
  const bool restrictCols = mergeCells == kRestrictColumns || mergeCells == kRestrictAll;
  auto same = [&](int r1, int c1, int r2, int c2) {
    const PictureCell& a = p.Cell(r1, c1);
    const PictureCell& b = p.Cell(r2, c2);
    return !a.Text.empty() && a.Text == b.Text && a.Fixed == b.Fixed;
  };

  // Run start column of each cell in its row (itself when alone).
  std::vector<int> rowRun(static_cast<size_t>(p.Rows * p.Cols));
  auto run = [&](int r, int c) -> int& { return rowRun[static_cast<size_t>(r * p.Cols + c)]; };
  std::vector<bool> claimed(rowRun.size(), false);
  for (int r = 0; r < p.Rows; ++r) {
    for (int c = 0; c < p.Cols; ++c) run(r, c) = c;
    if (!mergeRows[static_cast<size_t>(r)]) continue;
    for (int c = 1; c < p.Cols; ++c) {
      if (!same(r, c - 1, r, c)) continue;
      if (restrictRows && r > 0 && run(r - 1, c - 1) != run(r - 1, c)) continue;
      run(r, c) = run(r, c - 1);
    }
    for (int c = 0; c < p.Cols;) {
      int end = c;
      while (end + 1 < p.Cols && run(r, end + 1) == c) ++end;
      if (end > c) {
        ranges.push_back({r, c, 1, end - c + 1});
        for (int k = c; k <= end; ++k) claimed[static_cast<size_t>(r * p.Cols + k)] = true;
      }
      c = end + 1;
    }
  }

  std::vector<int> colRun(rowRun.size());
  auto vrun = [&](int r, int c) -> int& { return colRun[static_cast<size_t>(r * p.Cols + c)]; };
  auto free = [&](int r, int c) { return !claimed[static_cast<size_t>(r * p.Cols + c)]; };
  for (int c = 0; c < p.Cols; ++c) {
    for (int r = 0; r < p.Rows; ++r) vrun(r, c) = r;
    if (!mergeCols[static_cast<size_t>(c)]) continue;
    for (int r = 1; r < p.Rows; ++r) {
      if (!free(r - 1, c) || !free(r, c) || !same(r - 1, c, r, c)) continue;
      if (restrictCols && c > 0 && vrun(r - 1, c - 1) != vrun(r, c - 1)) continue;
      vrun(r, c) = vrun(r - 1, c);
    }
    for (int r = 0; r < p.Rows;) {
      int end = r;
      while (end + 1 < p.Rows && vrun(end + 1, c) == r) ++end;
      if (end > r) ranges.push_back({r, c, end - r + 1, 1});
      r = end + 1;
    }
  }
  return ranges;
}

}  // namespace forms
