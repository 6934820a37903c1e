#include <gtest/gtest.h>

#include "TestWindow.h"

namespace {

// An event with the current cell, the selection's far corner and the mouse cell:
// name, Row, Col, RowSel, ColSel, MouseRow, MouseCol.
using Event = std::tuple<std::string, int, int, int, int, int, int>;
using Events = std::vector<Event>;

class GridFixture : public ::testing::Test {
 protected:
  GridFixture() {
    window.Show();
    grid.SetRows(6);
    grid.SetCols(5);
  }

  void LogEvents() {
    auto log = [this](const std::string& name) {
      events.emplace_back(name, grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel(),
                          grid.MouseRow(), grid.MouseCol());
    };
    auto mouse = [log](const std::string& name) {
      return [log, name](int button, int, float, float) { log(name + std::to_string(button)); };
    };
    grid.MouseDown = mouse("MouseDown");
    grid.MouseMove = mouse("MouseMove");
    grid.MouseUp = mouse("MouseUp");
    grid.Click = [log] { log("Click"); };
    grid.DblClick = [log] { log("DblClick"); };
    grid.SelChange = [log] { log("SelChange"); };
  }

  Program program;
  TestWindow window{program.rt, "frmGrid", program.journal};
  forms::Grid grid{window, "grd"};
  Events events;
};

// Text is the current cell's, TextMatrix any cell's; Cell* properties belong to the current cell
// and fall back to the grid's defaults; fewer rows keep the cells that remain.
TEST_F(GridFixture, TextAndCellPropertiesOfTheCurrentCellAndTextMatrixOfAnyCell) {
  grid.SetFontName("Arial");
  grid.SetRow(2);
  grid.SetCol(3);
  grid.SetText("U");
  grid.SetCellBackColor(forms::vbYellow);
  grid.SetCellFontBold(true);
  grid.SetTextMatrix(4, 1, "K");
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.Col(), 3);
  grid.SetRow(4);
  grid.SetCol(1);
  EXPECT_EQ(grid.Text(), "K");
  EXPECT_EQ(grid.CellBackColor(), forms::vbWindowBackground);
  EXPECT_FALSE(grid.CellFontBold());
  EXPECT_EQ(grid.CellFontName(), "Arial");
  grid.SetRow(2);
  grid.SetCol(3);
  EXPECT_EQ(grid.CellBackColor(), forms::vbYellow);
  EXPECT_TRUE(grid.CellFontBold());
  grid.SetRow(0);
  EXPECT_EQ(grid.CellBackColor(), grid.BackColorFixed());
  EXPECT_THROW(grid.SetRow(6), forms::Error);
  EXPECT_THROW(grid.TextMatrix(0, 5), forms::Error);

  grid.SetRow(5);
  grid.SetRows(3);
  EXPECT_EQ(grid.Row(), 2);
  grid.SetRows(6);
  EXPECT_EQ(grid.TextMatrix(2, 3), "U");
  EXPECT_EQ(grid.TextMatrix(4, 1), "");
}

// (The Qt tests double click, hover and press the right button on a real grid.)
TEST_F(GridFixture, PressMoveReleaseSelectsThenReportsInOrderUnlessDisabled) {
  LogEvents();
  grid.UserPress(2, 1);
  grid.UserMove(2, 3, forms::vbLeftButton);
  grid.UserMove(2, 3, forms::vbLeftButton);
  grid.UserRelease(2, 3);
  EXPECT_EQ(events, (Events{
                        {"SelChange", 2, 1, 2, 1, 2, 1},
                        {"MouseDown1", 2, 1, 2, 1, 2, 1},
                        {"SelChange", 2, 1, 2, 3, 2, 3},
                        {"MouseMove1", 2, 1, 2, 3, 2, 3},
                        {"MouseMove1", 2, 1, 2, 3, 2, 3},
                        {"MouseUp1", 2, 1, 2, 3, 2, 3},
                        {"Click", 2, 1, 2, 3, 2, 3},
                    }));
  events.clear();  // a disabled grid or window ignores the mouse
  grid.SetEnabled(false);
  grid.UserClick(4, 4);
  grid.SetEnabled(true);
  window.SetEnabled(false);
  grid.UserMove(4, 4);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(grid.Row(), 2);
  window.SetEnabled(true);
  grid.UserRelease(9, 9);  // beyond the last cell: the mouse is over the last one
  EXPECT_EQ(std::pair(grid.MouseRow(), grid.MouseCol()), std::pair(5, 4));
}

// Setting Row or Col by code collapses the selection and raises nothing.
TEST_F(GridFixture, AHandlerMovingTheCurrentCellDuringADragRaisesNoFurtherSelChange) {
  int selChanges = 0;
  grid.SelChange = [&] {
    ++selChanges;
    if (grid.ColSel() != grid.Col()) grid.SetCol(grid.MouseCol());
  };
  grid.UserPress(1, 1);
  grid.UserMove(3, 2, forms::vbLeftButton);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.RowSel(), 1);
  grid.UserMove(3, 2, forms::vbLeftButton);
  EXPECT_EQ(grid.RowSel(), 3);
  grid.SetCol(1);  // by code: the selection collapses and nothing is raised
  EXPECT_EQ(std::pair(grid.RowSel(), grid.ColSel()), std::pair(1, 1));
  EXPECT_EQ(selChanges, 2);
}

// A press on a column's header selects the column and a drag over the headers more columns; a
// press on a row's header selects the row, a drag more rows; the fixed cell never becomes current.
TEST_F(GridFixture, PressingAFixedRowSelectsTheColumnWithoutMakingTheFixedCellCurrent) {
  using Cells = std::tuple<int, int, int, int>;  // Row, Col, RowSel, ColSel
  const auto cells = [this] { return Cells{grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel()}; };
  grid.UserPress(0, 3);
  EXPECT_EQ(cells(), (Cells{1, 3, 5, 3}));
  grid.UserMove(0, 4, forms::vbLeftButton);
  EXPECT_EQ(cells(), (Cells{1, 3, 5, 4}));
  grid.UserPress(2, 0);
  grid.UserMove(3, 0, forms::vbLeftButton);
  EXPECT_EQ(cells(), (Cells{2, 1, 3, 4}));
}

TEST_F(GridFixture, PictureShowsHiddenColumnsMergesAndTheHighlightedSelection) {
  grid.SetMergeCells(forms::flexMergeRestrictRows);
  grid.SetMergeRow(0, true);
  grid.SetMergeCol(0, true);
  for (int c = 1; c < 5; ++c) grid.SetTextMatrix(0, c, "Team A");
  for (int r = 0; r < 3; ++r) grid.SetTextMatrix(r, 0, "2008");
  grid.SetColWidth(4, 0);
  grid.SetRowHeightMin(300);
  grid.SetRow(3);
  grid.SetCol(3);
  grid.SetCellBackColor(forms::vbGreen);
  grid.SetRow(2);
  grid.SetCol(1);
  grid.SetColSel(2);

  const forms::GridPicture picture = grid.Picture();
  EXPECT_EQ(picture.ColWidths[4], 0);
  EXPECT_EQ(picture.RowHeights[0], 300);
  EXPECT_EQ(picture.Merged, (std::vector<forms::MergedRange>{{0, 1, 1, 4}, {0, 0, 3, 1}}));
  EXPECT_TRUE(picture.Cell(2, 2).Selected);
  EXPECT_EQ(picture.Cell(2, 2).BackColor, forms::SystemColorRgb(forms::vbHighlight));
  EXPECT_EQ(picture.Cell(3, 3).BackColor, forms::vbGreen);
  EXPECT_EQ(picture.Cell(1, 1).BackColor, forms::vbWhite);
}

TEST_F(GridFixture, RestrictedRowsMergeOnlyWhereTheRowAboveMerged) {
  grid.SetMergeCells(forms::flexMergeRestrictRows);
  grid.SetMergeRow(0, true);
  grid.SetMergeRow(1, true);
  const char* top[] = {"", "A", "A", "B", "B"};
  for (int c = 1; c < 5; ++c) {
    grid.SetTextMatrix(0, c, top[c]);
    grid.SetTextMatrix(1, c, "Mai");
  }
  EXPECT_EQ(grid.Picture().Merged, (std::vector<forms::MergedRange>{
                                       {0, 1, 1, 2}, {0, 3, 1, 2}, {1, 1, 1, 2}, {1, 3, 1, 2}}));
  grid.SetMergeCells(forms::flexMergeFree);
  EXPECT_EQ(grid.Picture().Merged[2], (forms::MergedRange{1, 1, 1, 4}));
  grid.SetMergeCol(2, true);  // free: merges where the column to its left does not
  grid.SetTextMatrix(2, 2, "X");
  grid.SetTextMatrix(3, 2, "X");
  EXPECT_EQ(grid.Picture().Merged.back(), (forms::MergedRange{2, 2, 2, 1}));
}

// The back end redraws a control when it is told of a change: a move, a cell's font, a scroll,
// bringing it to the front among them.
TEST_F(GridFixture, EveryChangeIsToldToTheBackEnd) {
  struct Counter : forms::WindowObserver {
    int changes = 0;
    void ControlChanged(forms::Control&) override { ++changes; }
  } observer;
  program.rt.Windows().SetObserver(&observer);
  const std::function<void()> actions[] = {[&] { grid.Move(0, 0, 3000, 2000); },
                                           [&] { grid.SetCellFontName("Courier New"); },
                                           [&] { grid.UserScroll(2, 2); }, [&] { grid.ZOrder(0); }};
  for (const auto& action : actions) {
    const int before = observer.changes;
    action();
    EXPECT_GT(observer.changes, before) << "action " << &action - actions;
  }
  program.rt.Windows().SetObserver(nullptr);
}

}  // namespace
