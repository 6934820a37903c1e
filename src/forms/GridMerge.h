#pragma once

#include <vector>

#include "forms/GridPicture.h"

namespace forms {

// The merged ranges of a picture whose cells are filled: horizontal runs of equal, non-empty texts
// in marked rows, then vertical runs in marked columns among the cells left. Restricting rows
// (mode 2 or 4) lets two cells of a row merge only where the row above merged them too; restricting
// columns (3 or 4) likewise with the column to the left. Fixed and scrollable cells never merge.
std::vector<MergedRange> MergedRanges(const GridPicture& picture, int mergeCells,
                                      const std::vector<bool>& mergeRows,
                                      const std::vector<bool>& mergeCols);

}  // namespace forms
