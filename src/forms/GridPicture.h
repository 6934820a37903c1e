#pragma once

#include <string>
#include <vector>

#include "forms/Color.h"
#include "forms/Font.h"

namespace forms {

// One cell as drawn: colours already resolved to 0x00BBGGRR (no system colours), selection applied.
struct PictureCell {
  std::string Text;  // "\r" breaks lines
  Color BackColor = 0xFFFFFF;
  Color ForeColor = 0x000000;
  forms::Font Font;
  int Alignment = 9;  // flexAlign*, 9 = general (left for text, right for numbers)
  bool Fixed = false;
  bool Selected = false;

  bool operator==(const PictureCell&) const = default;
};

// Cells drawn as one. Their texts are equal; the look of the last cell (bottom right) covers the
// whole range, so formatting the cell a header names last (the year below its three rows) shows.
struct MergedRange {
  int Row = 0;
  int Col = 0;
  int Rows = 1;
  int Cols = 1;

  bool operator==(const MergedRange&) const = default;
};

// An image of a whole grid as drawn (all rows and columns, no scrolling), in twips.
// The printer records it; the back end paints it.
struct GridPicture {
  int Rows = 0;
  int Cols = 0;
  int FixedRows = 0;
  int FixedCols = 0;
  std::vector<int> ColWidths;      // 0 = hidden column
  std::vector<int> RowHeights;     // 0 = hidden row
  std::vector<PictureCell> Cells;  // row by row
  std::vector<MergedRange> Merged;
  Color GridColor = 0xC0C0C0;
  Color BackColorBkg = 0x808080;
  bool WordWrap = false;

  const PictureCell& Cell(int row, int col) const {
    return Cells[static_cast<size_t>(row * Cols + col)];
  }
  // The merged range holding the cell, nullptr when it stands alone.
  const MergedRange* MergeAt(int row, int col) const;
  int Width() const;
  int Height() const;

  bool operator==(const GridPicture&) const = default;
};

}  // namespace forms
