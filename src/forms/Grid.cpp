#include "forms/Grid.h"

#include <algorithm>

#include "forms/Error.h"
#include "forms/GridMerge.h"
#include "forms/Keys.h"

namespace forms {

namespace {

constexpr int kDefaultColWidth = 960;
constexpr int kDefaultRowHeight = 240;

}  // namespace

Grid::Grid(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::Grid, std::move(name), container, index) {
  SetBackColor(vbWindowBackground);
  Resize(2, 2);
}

void Grid::CheckRow(int row) const {
  if (row < 0 || row >= rows_)
    throw Error("Invalid Row value: " + std::to_string(row) + " in " + Name());
}

void Grid::CheckCol(int col) const {
  if (col < 0 || col >= cols_)
    throw Error("Invalid Col value: " + std::to_string(col) + " in " + Name());
}

const Grid::Cell& Grid::At(int row, int col) const {
  CheckRow(row);
  CheckCol(col);
  return cells_[static_cast<size_t>(row * cols_ + col)];
}

Grid::Cell& Grid::At(int row, int col) {
  return const_cast<Cell&>(static_cast<const Grid&>(*this).At(row, col));
}

bool Grid::IsFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

void Grid::Resize(int rows, int cols) {
  std::vector<Cell> cells(static_cast<size_t>(rows * cols));
  for (int r = 0; r < std::min(rows, rows_); ++r) {
    for (int c = 0; c < std::min(cols, cols_); ++c) {
      cells[static_cast<size_t>(r * cols + c)] =
          std::move(cells_[static_cast<size_t>(r * cols_ + c)]);
    }
  }
  cells_ = std::move(cells);
  colWidths_.resize(static_cast<size_t>(cols), kDefaultColWidth);
  rowHeights_.resize(static_cast<size_t>(rows), kDefaultRowHeight);
  mergeRows_.resize(static_cast<size_t>(rows), false);
  mergeCols_.resize(static_cast<size_t>(cols), false);
  rows_ = rows;
  cols_ = cols;
  fixedRows_ = std::min(fixedRows_, rows_);
  fixedCols_ = std::min(fixedCols_, cols_);
  auto fit = [](int v, int count) { return std::max(0, std::min(v, count - 1)); };
  row_ = fit(row_, rows_);
  rowSel_ = fit(rowSel_, rows_);
  topRow_ = fit(topRow_, rows_);
  col_ = fit(col_, cols_);
  colSel_ = fit(colSel_, cols_);
  leftCol_ = fit(leftCol_, cols_);
  mouseRow_ = fit(mouseRow_, rows_);
  mouseCol_ = fit(mouseCol_, cols_);
}

void Grid::Repaint() {
  if (!redraw_) {
    dirty_ = true;
    return;
  }
  Changed();
}

void Grid::SetRows(int v) {
  if (v < 0) throw Error("Invalid property value: " + Name() + ".Rows");
  if (v == rows_) return;
  Resize(v, cols_);
  Repaint();
}

void Grid::SetCols(int v) {
  if (v < 0) throw Error("Invalid property value: " + Name() + ".Cols");
  if (v == cols_) return;
  Resize(rows_, v);
  Repaint();
}

void Grid::SetFixedRows(int v) {
  if (v < 0 || v > rows_) throw Error("Invalid property value: " + Name() + ".FixedRows");
  fixedRows_ = v;
  if (row_ < v && v < rows_) row_ = rowSel_ = v;
  if (topRow_ < v && v < rows_) topRow_ = v;
  Repaint();
}

void Grid::SetFixedCols(int v) {
  if (v < 0 || v > cols_) throw Error("Invalid property value: " + Name() + ".FixedCols");
  fixedCols_ = v;
  if (col_ < v && v < cols_) col_ = colSel_ = v;
  if (leftCol_ < v && v < cols_) leftCol_ = v;
  Repaint();
}

void Grid::SetRow(int v) {
  CheckRow(v);
  row_ = rowSel_ = v;
  colSel_ = col_;
  Repaint();
}

void Grid::SetCol(int v) {
  CheckCol(v);
  col_ = colSel_ = v;
  rowSel_ = row_;
  Repaint();
}

void Grid::SetRowSel(int v) {
  CheckRow(v);
  rowSel_ = v;
  Repaint();
}

void Grid::SetColSel(int v) {
  CheckCol(v);
  colSel_ = v;
  Repaint();
}

const std::string& Grid::Text() const { return Current().text; }

void Grid::SetText(const std::string& v) {
  Current().text = v;
  Repaint();
}

const std::string& Grid::TextMatrix(int row, int col) const { return At(row, col).text; }

void Grid::SetTextMatrix(int row, int col, const std::string& v) {
  At(row, col).text = v;
  Repaint();
}

Color Grid::CellBackColor() const {
  return Current().back.value_or(IsFixed(row_, col_) ? backColorFixed_ : BackColor());
}

void Grid::SetCellBackColor(Color v) {
  Current().back = v;
  Repaint();
}

Color Grid::CellForeColor() const {
  return Current().fore.value_or(IsFixed(row_, col_) ? foreColorFixed_ : ForeColor());
}

void Grid::SetCellForeColor(Color v) {
  Current().fore = v;
  Repaint();
}

bool Grid::CellFontBold() const { return Current().bold.value_or(FontBold()); }

void Grid::SetCellFontBold(bool v) {
  Current().bold = v;
  Repaint();
}

bool Grid::CellFontItalic() const { return Current().italic.value_or(FontItalic()); }

void Grid::SetCellFontItalic(bool v) {
  Current().italic = v;
  Repaint();
}

bool Grid::CellFontUnderline() const { return Current().underline.value_or(FontUnderline()); }

void Grid::SetCellFontUnderline(bool v) {
  Current().underline = v;
  Repaint();
}

double Grid::CellFontSize() const { return Current().size.value_or(FontSize()); }

void Grid::SetCellFontSize(double v) {
  Current().size = v;
  Repaint();
}

const std::string& Grid::CellFontName() const {
  const Cell& cell = Current();
  return cell.fontName ? *cell.fontName : FontName();
}

void Grid::SetCellFontName(const std::string& v) {
  Current().fontName = v;
  Repaint();
}

int Grid::CellAlignment() const { return Current().alignment.value_or(flexAlignGeneral); }

void Grid::SetCellAlignment(int v) {
  Current().alignment = v;
  Repaint();
}

int Grid::ColWidth(int col) const {
  CheckCol(col);
  return colWidths_[static_cast<size_t>(col)];
}

void Grid::SetColWidth(int col, int twips) {
  CheckCol(col);
  colWidths_[static_cast<size_t>(col)] = twips < 0 ? kDefaultColWidth : twips;
  Repaint();
}

int Grid::RowHeight(int row) const {
  CheckRow(row);
  return std::max(rowHeights_[static_cast<size_t>(row)], rowHeightMin_);
}

void Grid::SetRowHeight(int row, int twips) {
  CheckRow(row);
  rowHeights_[static_cast<size_t>(row)] = twips < 0 ? kDefaultRowHeight : twips;
  Repaint();
}

void Grid::SetRowHeightMin(int twips) {
  rowHeightMin_ = std::max(0, twips);
  Repaint();
}

int Grid::ColPos(int col) const {
  CheckCol(col);
  int pos = 0;
  for (int c = 0; c < col; ++c) pos += colWidths_[static_cast<size_t>(c)];
  return pos;
}

int Grid::RowPos(int row) const {
  CheckRow(row);
  int pos = 0;
  for (int r = 0; r < row; ++r) pos += RowHeight(r);
  return pos;
}

void Grid::SetBackColorFixed(Color v) {
  backColorFixed_ = v;
  Repaint();
}

void Grid::SetForeColorFixed(Color v) {
  foreColorFixed_ = v;
  Repaint();
}

void Grid::SetBackColorSel(Color v) {
  backColorSel_ = v;
  Repaint();
}

void Grid::SetForeColorSel(Color v) {
  foreColorSel_ = v;
  Repaint();
}

void Grid::SetBackColorBkg(Color v) {
  backColorBkg_ = v;
  Repaint();
}

void Grid::SetGridColor(Color v) {
  gridColor_ = v;
  Repaint();
}

void Grid::SetMergeCells(int v) {
  mergeCells_ = v;
  Repaint();
}

bool Grid::MergeRow(int row) const {
  CheckRow(row);
  return mergeRows_[static_cast<size_t>(row)];
}

void Grid::SetMergeRow(int row, bool v) {
  CheckRow(row);
  mergeRows_[static_cast<size_t>(row)] = v;
  Repaint();
}

bool Grid::MergeCol(int col) const {
  CheckCol(col);
  return mergeCols_[static_cast<size_t>(col)];
}

void Grid::SetMergeCol(int col, bool v) {
  CheckCol(col);
  mergeCols_[static_cast<size_t>(col)] = v;
  Repaint();
}

void Grid::SetRedraw(bool v) {
  redraw_ = v;
  if (v && dirty_) {
    dirty_ = false;
    Changed();
  }
}

void Grid::SetFocusRect(int v) {
  focusRect_ = v;
  Repaint();
}

void Grid::SetHighLight(int v) {
  highLight_ = v;
  Repaint();
}

void Grid::SetWordWrap(bool v) {
  wordWrap_ = v;
  Repaint();
}

void Grid::SetTopRow(int v) {
  CheckRow(v);
  topRow_ = v;
  Repaint();
}

void Grid::SetLeftCol(int v) {
  CheckCol(v);
  leftCol_ = v;
  Repaint();
}

bool Grid::ShowsSelection() const {
  const bool shown =
      highLight_ == flexHighlightAlways || (highLight_ == flexHighlightWithFocus && HasFocus());
  return shown && (row_ != rowSel_ || col_ != colSel_);
}

bool Grid::IsSelected(int row, int col) const {
  return row >= std::min(row_, rowSel_) && row <= std::max(row_, rowSel_) &&
         col >= std::min(col_, colSel_) && col <= std::max(col_, colSel_);
}

GridPicture Grid::Picture() const {
  GridPicture p;
  p.Rows = rows_;
  p.Cols = cols_;
  p.FixedRows = fixedRows_;
  p.FixedCols = fixedCols_;
  p.ColWidths = colWidths_;
  for (int r = 0; r < rows_; ++r) p.RowHeights.push_back(RowHeight(r));
  const bool highlight = ShowsSelection();
  p.Cells.reserve(cells_.size());
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      const Cell& cell = cells_[static_cast<size_t>(r * cols_ + c)];
      PictureCell pc;
      pc.Text = cell.text;
      pc.Fixed = IsFixed(r, c);
      pc.Selected = !pc.Fixed && highlight && IsSelected(r, c);
      const Color back = pc.Selected ? backColorSel_
                                     : cell.back.value_or(pc.Fixed ? backColorFixed_ : BackColor());
      const Color fore = pc.Selected ? foreColorSel_
                                     : cell.fore.value_or(pc.Fixed ? foreColorFixed_ : ForeColor());
      pc.BackColor = SystemColorRgb(back);
      pc.ForeColor = SystemColorRgb(fore);
      pc.Font = Font();
      if (cell.fontName) pc.Font.Name = *cell.fontName;
      pc.Font.Size = cell.size.value_or(pc.Font.Size);
      pc.Font.Bold = cell.bold.value_or(pc.Font.Bold);
      pc.Font.Italic = cell.italic.value_or(pc.Font.Italic);
      pc.Font.Underline = cell.underline.value_or(pc.Font.Underline);
      pc.Alignment = cell.alignment.value_or(flexAlignGeneral);
      p.Cells.push_back(std::move(pc));
    }
  }
  p.Merged = MergedRanges(p, mergeCells_, mergeRows_, mergeCols_);
  p.GridColor = SystemColorRgb(gridColor_);
  p.BackColorBkg = SystemColorRgb(backColorBkg_);
  p.WordWrap = wordWrap_;
  return p;
}

void Grid::Clear() {
  for (Cell& cell : cells_) cell = Cell{};
  Repaint();
}

bool Grid::CanTakeFocus() const { return true; }

bool Grid::SelectFromPress(int row, int col) {
  const int before[] = {row_, col_, rowSel_, colSel_};
  const bool fixedRow = row < fixedRows_;
  const bool fixedCol = col < fixedCols_;
  const bool noRows = rows_ <= fixedRows_;
  const bool noCols = cols_ <= fixedCols_;
  press_ = PressKind::None;
  if (!fixedRow && !fixedCol) {
    press_ = PressKind::Cell;
    row_ = rowSel_ = row;
    col_ = colSel_ = col;
  } else if (fixedRow && !fixedCol && !noRows) {
    press_ = PressKind::ColumnHeader;
    row_ = fixedRows_;
    rowSel_ = rows_ - 1;
    col_ = colSel_ = col;
  } else if (!fixedRow && fixedCol && !noCols) {
    press_ = PressKind::RowHeader;
    row_ = rowSel_ = row;
    col_ = fixedCols_;
    colSel_ = cols_ - 1;
  } else if (fixedRow && fixedCol && !noRows && !noCols) {
    press_ = PressKind::All;
    row_ = fixedRows_;
    col_ = fixedCols_;
    rowSel_ = rows_ - 1;
    colSel_ = cols_ - 1;
  }
  const bool changed =
      before[0] != row_ || before[1] != col_ || before[2] != rowSel_ || before[3] != colSel_;
  if (changed) Repaint();
  return changed;
}

bool Grid::ExtendSelection(int row, int col) {
  const int rowSel = rowSel_;
  const int colSel = colSel_;
  const int r = std::clamp(row, fixedRows_, std::max(fixedRows_, rows_ - 1));
  const int c = std::clamp(col, fixedCols_, std::max(fixedCols_, cols_ - 1));
  if (press_ == PressKind::Cell || press_ == PressKind::RowHeader) rowSel_ = r;
  if (press_ == PressKind::Cell || press_ == PressKind::ColumnHeader) colSel_ = c;
  const bool changed = rowSel != rowSel_ || colSel != colSel_;
  if (changed) Repaint();
  return changed;
}

void Grid::Raise(const std::function<void(int, int, float, float)>& event, int button, int shift) {
  if (!event || !AcceptsInput()) return;
  float x = 0;
  float y = 0;
  if (rows_ > 0 && cols_ > 0) {
    x = static_cast<float>(ColPos(mouseCol_) + ColWidth(mouseCol_) / 2);
    y = static_cast<float>(RowPos(mouseRow_) + RowHeight(mouseRow_) / 2);
  }
  event(button, shift, x, y);
}

void Grid::UserPress(int row, int col, int button, int shift) {
  UserInput input(*this);
  if (!input || rows_ == 0 || cols_ == 0) return;
  mouseRow_ = std::clamp(row, 0, rows_ - 1);
  mouseCol_ = std::clamp(col, 0, cols_ - 1);
  doublePressed_ = false;
  if ((button & vbLeftButton) && SelectFromPress(mouseRow_, mouseCol_) && SelChange) SelChange();
  Raise(MouseDown, button, shift);
}

void Grid::UserMove(int row, int col, int buttons, int shift) {
  UserInput input(*this, false, false);
  if (!input || rows_ == 0 || cols_ == 0) return;
  mouseRow_ = std::clamp(row, 0, rows_ - 1);
  mouseCol_ = std::clamp(col, 0, cols_ - 1);
  if ((buttons & vbLeftButton) && press_ != PressKind::None &&
      ExtendSelection(mouseRow_, mouseCol_) && SelChange && AcceptsInput()) {
    SelChange();
  }
  Raise(MouseMove, buttons, shift);
}

void Grid::UserRelease(int row, int col, int button, int shift) {
  UserInput input(*this, false, false);
  if (!input || rows_ == 0 || cols_ == 0) return;
  mouseRow_ = std::clamp(row, 0, rows_ - 1);
  mouseCol_ = std::clamp(col, 0, cols_ - 1);
  const bool afterDouble = doublePressed_;
  doublePressed_ = false;
  if (button & vbLeftButton) press_ = PressKind::None;
  Raise(MouseUp, button, shift);
  if ((button & vbLeftButton) && !afterDouble && Click && AcceptsInput()) Click();
}

void Grid::UserDoublePress(int row, int col) {
  UserInput input(*this);
  if (!input || rows_ == 0 || cols_ == 0) return;
  mouseRow_ = std::clamp(row, 0, rows_ - 1);
  mouseCol_ = std::clamp(col, 0, cols_ - 1);
  doublePressed_ = true;
  if (DblClick) DblClick();
}

void Grid::UserClick(int row, int col) {
  UserInput input(*this);
  if (!input) return;
  UserPress(row, col);
  UserRelease(row, col);
}

void Grid::UserDoubleClick(int row, int col) {
  UserInput input(*this);
  if (!input) return;
  UserPress(row, col);
  UserRelease(row, col);
  UserDoublePress(row, col);
  UserRelease(row, col);
}

void Grid::UserScroll(int topRow, int leftCol) {
  UserInput input(*this, false, false);
  if (!input || rows_ == 0 || cols_ == 0) return;
  topRow_ = std::clamp(topRow, 0, rows_ - 1);
  leftCol_ = std::clamp(leftCol, 0, cols_ - 1);
  Repaint();
}

}  // namespace forms
