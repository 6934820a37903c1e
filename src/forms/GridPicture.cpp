#include "forms/GridPicture.h"

#include <numeric>

namespace forms {

const MergedRange* GridPicture::MergeAt(int row, int col) const {
  for (const MergedRange& m : Merged) {
    if (row >= m.Row && row < m.Row + m.Rows && col >= m.Col && col < m.Col + m.Cols) return &m;
  }
  return nullptr;
}

int GridPicture::Width() const { return std::accumulate(ColWidths.begin(), ColWidths.end(), 0); }

int GridPicture::Height() const { return std::accumulate(RowHeights.begin(), RowHeights.end(), 0); }

}  // namespace forms
