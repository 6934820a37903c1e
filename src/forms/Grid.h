#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/GridPicture.h"

namespace forms {

constexpr int flexAlignLeftTop = 0;
constexpr int flexAlignLeftCenter = 1;
constexpr int flexAlignLeftBottom = 2;
constexpr int flexAlignCenterTop = 3;
constexpr int flexAlignCenterCenter = 4;
constexpr int flexAlignCenterBottom = 5;
constexpr int flexAlignRightTop = 6;
constexpr int flexAlignRightCenter = 7;
constexpr int flexAlignRightBottom = 8;
constexpr int flexAlignGeneral = 9;

constexpr int flexMergeNever = 0;
constexpr int flexMergeFree = 1;
constexpr int flexMergeRestrictRows = 2;
constexpr int flexMergeRestrictColumns = 3;
constexpr int flexMergeRestrictAll = 4;

constexpr int flexHighlightNever = 0;
constexpr int flexHighlightAlways = 1;
constexpr int flexHighlightWithFocus = 2;

constexpr int flexFocusNone = 0;
constexpr int flexFocusLight = 1;
constexpr int flexFocusHeavy = 2;

// MSFlexGrid. Rows and columns count from 0, fixed ones included. Text and the Cell* properties act
// on the current cell (Row, Col); TextMatrix reaches any cell. Reading a Cell* property gives the
// cell's effective value (its own setting, else the grid's default). Row, Col, RowSel and ColSel
// set by code raise no event; setting Row or Col also collapses the selection onto the current
// cell. Addressing a row or column outside the grid throws forms::Error.
//
// Mouse input: a left press on a scrollable cell makes it current and collapses the selection; a
// left press on a fixed row selects the pressed column (Row = FixedRows, RowSel = last row), on a
// fixed column the pressed row, on the fixed corner the whole grid; a fixed cell never becomes
// current by the mouse. MouseRow/MouseCol are set before any mouse event.
class Grid : public Control {
 public:
  Grid(Form& form, std::string name, Control* container = nullptr, int index = -1);
  Grid(Form& form, std::string name, Control& container)
      : Grid(form, std::move(name), &container) {}

  int Rows() const { return rows_; }
  void SetRows(int v);  // adds or removes rows at the bottom
  int Cols() const { return cols_; }
  void SetCols(int v);  // adds or removes columns at the right
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int v);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int v);

  int Row() const { return row_; }
  void SetRow(int v);
  int Col() const { return col_; }
  void SetCol(int v);
  int RowSel() const { return rowSel_; }
  void SetRowSel(int v);
  int ColSel() const { return colSel_; }
  void SetColSel(int v);

  const std::string& Text() const;
  void SetText(const std::string& v);
  const std::string& TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const std::string& v);

  Color CellBackColor() const;
  void SetCellBackColor(Color v);
  Color CellForeColor() const;
  void SetCellForeColor(Color v);
  bool CellFontBold() const;
  void SetCellFontBold(bool v);
  bool CellFontItalic() const;
  void SetCellFontItalic(bool v);
  bool CellFontUnderline() const;
  void SetCellFontUnderline(bool v);
  double CellFontSize() const;
  void SetCellFontSize(double v);
  const std::string& CellFontName() const;
  void SetCellFontName(const std::string& v);
  int CellAlignment() const;
  void SetCellAlignment(int v);

  int ColWidth(int col) const;
  void SetColWidth(int col, int twips);  // 0 hides the column
  int RowHeight(int row) const;          // effective height, RowHeightMin applied
  void SetRowHeight(int row, int twips);
  int RowHeightMin() const { return rowHeightMin_; }
  void SetRowHeightMin(int twips);
  int ColPos(int col) const;  // left edge of the column from the grid's left edge
  int RowPos(int row) const;

  // Grid-wide colours; BackColor and ForeColor (of Control) are those of the scrollable cells.
  Color BackColorFixed() const { return backColorFixed_; }
  void SetBackColorFixed(Color v);
  Color ForeColorFixed() const { return foreColorFixed_; }
  void SetForeColorFixed(Color v);
  Color BackColorSel() const { return backColorSel_; }
  void SetBackColorSel(Color v);
  Color ForeColorSel() const { return foreColorSel_; }
  void SetForeColorSel(Color v);
  Color BackColorBkg() const { return backColorBkg_; }
  void SetBackColorBkg(Color v);
  Color GridColor() const { return gridColor_; }
  void SetGridColor(Color v);

  int MergeCells() const { return mergeCells_; }
  void SetMergeCells(int v);
  bool MergeRow(int row) const;
  void SetMergeRow(int row, bool v);
  bool MergeCol(int col) const;
  void SetMergeCol(int col, bool v);

  // False suspends drawing (and the back end's mirroring) until set true again.
  bool Redraw() const { return redraw_; }
  void SetRedraw(bool v);
  int FocusRect() const { return focusRect_; }
  void SetFocusRect(int v);
  int HighLight() const { return highLight_; }
  void SetHighLight(int v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);

  int TopRow() const { return topRow_; }
  void SetTopRow(int v);
  int LeftCol() const { return leftCol_; }
  void SetLeftCol(int v);

  int MouseRow() const { return mouseRow_; }
  int MouseCol() const { return mouseCol_; }

  // Whether the selection is shown highlighted now (HighLight, focus and a range of more than one
  // cell).
  bool ShowsSelection() const;
  // Whether the cell lies in the range from (Row, Col) to (RowSel, ColSel).
  bool IsSelected(int row, int col) const;

  GridPicture Picture() const;

  // Empties every cell's text and formatting; sizes, widths and the current cell stay.
  void Clear();

  bool CanTakeFocus() const override;

  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void(int button, int shift, float x, float y)> MouseDown;
  std::function<void(int button, int shift, float x, float y)> MouseMove;
  std::function<void(int button, int shift, float x, float y)> MouseUp;
  std::function<void()> SelChange;

  // The pointer at cell (row, col); a point beyond the cells is given as the nearest cell.
  // Press: current cell and selection as described above (SelChange when they changed), then
  // MouseDown.
  void UserPress(int row, int col, int button = 1, int shift = 0);
  // Buttons held (mask). With the left button held after a left press the selection extends to the
  // cell (SelChange when it changed); then MouseMove.
  void UserMove(int row, int col, int buttons = 0, int shift = 0);
  // MouseUp, then Click for the left button (not after the second press of a double click).
  void UserRelease(int row, int col, int button = 1, int shift = 0);
  // The second press of a double click: DblClick (no MouseDown).
  void UserDoublePress(int row, int col);
  // Press and release of the left button.
  void UserClick(int row, int col);
  // The whole gesture: press, release (Click), second press (DblClick), release (MouseUp).
  void UserDoubleClick(int row, int col);
  // The user scrolled: new top row and left column.
  void UserScroll(int topRow, int leftCol);

 private:
  struct Cell {
    std::string text;
    std::optional<Color> back;
    std::optional<Color> fore;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<double> size;
    std::optional<std::string> fontName;
    std::optional<int> alignment;
  };
  enum class PressKind { None, Cell, ColumnHeader, RowHeader, All };

  void CheckRow(int row) const;
  void CheckCol(int col) const;
  const Cell& At(int row, int col) const;
  Cell& At(int row, int col);
  Cell& Current() { return At(row_, col_); }
  const Cell& Current() const { return At(row_, col_); }
  bool IsFixed(int row, int col) const;
  void Resize(int rows, int cols);
  bool SelectFromPress(int row, int col);
  bool ExtendSelection(int row, int col);
  void Raise(const std::function<void(int, int, float, float)>& event, int button, int shift);
  void Repaint();

  std::vector<Cell> cells_;
  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  std::vector<bool> mergeRows_;
  std::vector<bool> mergeCols_;
  int rows_ = 0;
  int cols_ = 0;
  int fixedRows_ = 1;
  int fixedCols_ = 1;
  int row_ = 1;
  int col_ = 1;
  int rowSel_ = 1;
  int colSel_ = 1;
  int rowHeightMin_ = 0;
  Color backColorFixed_ = vbButtonFace;
  Color foreColorFixed_ = vbButtonText;
  Color backColorSel_ = vbHighlight;
  Color foreColorSel_ = vbHighlightText;
  Color backColorBkg_ = vbApplicationWorkspace;
  Color gridColor_ = 0xC0C0C0;
  int mergeCells_ = flexMergeNever;
  bool redraw_ = true;
  bool dirty_ = false;
  int focusRect_ = flexFocusLight;
  int highLight_ = flexHighlightAlways;
  bool wordWrap_ = false;
  int topRow_ = 1;
  int leftCol_ = 1;
  int mouseRow_ = 0;
  int mouseCol_ = 0;
  PressKind press_ = PressKind::None;
  bool doublePressed_ = false;
};

}  // namespace forms
