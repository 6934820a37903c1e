#include <gtest/gtest.h>

#include "TestWindow.h"

namespace {

using Events = std::vector<std::string>;

class GridFixture : public ::testing::Test {
 protected:
  GridFixture() {
    window.Show();
    grid.SetRows(6);
    grid.SetCols(5);
  }

  // Logs every grid event with the current cell, the selection's far corner and the mouse cell.
  void LogEvents() {
    auto where = [this] {
      return "@" + std::to_string(grid.Row()) + "," + std::to_string(grid.Col()) + " sel " +
             std::to_string(grid.RowSel()) + "," + std::to_string(grid.ColSel()) + " mouse " +
             std::to_string(grid.MouseRow()) + "," + std::to_string(grid.MouseCol());
    };
    auto mouse = [this, where](const std::string& name) {
      return [this, where, name](int button, int, float, float) {
        events.push_back(name + std::to_string(button) + where());
      };
    };
    grid.MouseDown = mouse("MouseDown");
    grid.MouseMove = mouse("MouseMove");
    grid.MouseUp = mouse("MouseUp");
    grid.Click = [this, where] { events.push_back("Click" + where()); };
    grid.DblClick = [this] { events.push_back("DblClick"); };
    grid.SelChange = [this, where] { events.push_back("SelChange" + where()); };
  }

  Program program;
  TestWindow window{program.rt, "frmGrid", program.journal};
  forms::Grid grid{window, "grd"};
  Events events;
};

TEST_F(GridFixture, TextActsOnTheCurrentCellAndTextMatrixOnAnyCell) {
  grid.SetRow(2);
  grid.SetCol(3);
  grid.SetText("U");
  grid.SetTextMatrix(4, 1, "K");
  EXPECT_EQ(grid.TextMatrix(2, 3), "U");
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.Col(), 3);
  grid.SetRow(4);
  grid.SetCol(1);
  EXPECT_EQ(grid.Text(), "K");
  EXPECT_THROW(grid.SetRow(6), forms::Error);
  EXPECT_THROW(grid.TextMatrix(0, 5), forms::Error);
}

TEST_F(GridFixture, CellPropertiesBelongToEachCellAndFallBackToTheGridDefaults) {
  grid.SetFontName("Arial");
  grid.SetRow(1);
  grid.SetCol(1);
  grid.SetCellBackColor(forms::vbYellow);
  grid.SetCellFontBold(true);
  grid.SetCellAlignment(forms::flexAlignCenterCenter);
  grid.SetCellFontSize(20);
  grid.SetCol(2);
  EXPECT_EQ(grid.CellBackColor(), forms::vbWindowBackground);
  EXPECT_FALSE(grid.CellFontBold());
  EXPECT_EQ(grid.CellFontName(), "Arial");
  grid.SetCol(1);
  EXPECT_EQ(grid.CellBackColor(), forms::vbYellow);
  EXPECT_TRUE(grid.CellFontBold());
  EXPECT_EQ(grid.CellAlignment(), 4);
  EXPECT_EQ(grid.CellFontSize(), 20);
  grid.SetRow(0);
  EXPECT_EQ(grid.CellBackColor(), grid.BackColorFixed());
}

TEST_F(GridFixture, ChangingRowsKeepsTheCellsThatRemain) {
  grid.SetTextMatrix(1, 1, "keep");
  grid.SetTextMatrix(5, 1, "gone");
  grid.SetRow(5);
  grid.SetRows(3);
  EXPECT_EQ(grid.Row(), 2);
  grid.SetRows(6);
  EXPECT_EQ(grid.TextMatrix(1, 1), "keep");
  EXPECT_EQ(grid.TextMatrix(5, 1), "");
}

TEST_F(GridFixture, SettingRowOrColCollapsesTheSelectionAndRaisesNothing) {
  LogEvents();
  grid.SetRow(1);
  grid.SetCol(1);
  grid.SetColSel(3);
  grid.SetRowSel(4);
  EXPECT_TRUE(grid.IsSelected(4, 3));
  grid.SetCol(2);
  EXPECT_EQ(grid.RowSel(), 1);
  EXPECT_EQ(grid.ColSel(), 2);
  EXPECT_TRUE(events.empty());
}

TEST_F(GridFixture, PressMoveReleaseSelectsThenReportsInOrder) {
  LogEvents();
  grid.UserPress(2, 1);
  grid.UserMove(2, 3, forms::vbLeftButton);
  grid.UserMove(2, 3, forms::vbLeftButton);
  grid.UserRelease(2, 3);
  EXPECT_EQ(events, (Events{
                        "SelChange@2,1 sel 2,1 mouse 2,1",
                        "MouseDown1@2,1 sel 2,1 mouse 2,1",
                        "SelChange@2,1 sel 2,3 mouse 2,3",
                        "MouseMove1@2,1 sel 2,3 mouse 2,3",
                        "MouseMove1@2,1 sel 2,3 mouse 2,3",
                        "MouseUp1@2,1 sel 2,3 mouse 2,3",
                        "Click@2,1 sel 2,3 mouse 2,3",
                    }));
}

TEST_F(GridFixture, MovingWithoutTheLeftButtonOnlyTracksTheMouse) {
  LogEvents();
  grid.UserMove(4, 2);
  grid.UserPress(3, 3, forms::vbRightButton);
  grid.UserMove(4, 4, forms::vbRightButton);
  grid.UserRelease(4, 4, forms::vbRightButton);
  EXPECT_EQ(events, (Events{
                        "MouseMove0@1,1 sel 1,1 mouse 4,2",
                        "MouseDown2@1,1 sel 1,1 mouse 3,3",
                        "MouseMove2@1,1 sel 1,1 mouse 4,4",
                        "MouseUp2@1,1 sel 1,1 mouse 4,4",
                    }));
}

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
  EXPECT_EQ(selChanges, 2);
  EXPECT_EQ(grid.RowSel(), 3);
}

TEST_F(GridFixture, PressingAFixedRowSelectsTheColumnWithoutMakingTheFixedCellCurrent) {
  grid.UserPress(0, 3);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_EQ(grid.RowSel(), 5);
  EXPECT_EQ(grid.ColSel(), 3);
  grid.UserPress(2, 0);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.ColSel(), 4);
}

TEST_F(GridFixture, DoubleClickIsClickThenDblClickWithoutASecondClick) {
  LogEvents();
  grid.UserDoubleClick(2, 2);
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[3].substr(0, 5), "Click");
  EXPECT_EQ(events[4], "DblClick");
  EXPECT_EQ(events[5].substr(0, 7), "MouseUp");
}

TEST_F(GridFixture, ADisabledGridOrWindowIgnoresTheMouse) {
  LogEvents();
  grid.SetEnabled(false);
  grid.UserClick(2, 2);
  grid.SetEnabled(true);
  window.SetEnabled(false);
  grid.UserMove(2, 2);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(GridFixture, PictureShowsHiddenColumnsMergesAndTheHighlightedSelection) {
  grid.SetMergeCells(forms::flexMergeRestrictRows);
  grid.SetMergeRow(0, true);
  grid.SetMergeCol(0, true);
  for (int c = 1; c < 5; ++c) grid.SetTextMatrix(0, c, "Team A");
  for (int r = 0; r < 3; ++r) grid.SetTextMatrix(r, 0, "2008");
  grid.SetColWidth(4, 0);
  grid.SetRowHeightMin(300);
  grid.SetRow(2);
  grid.SetCol(1);
  grid.SetColSel(2);
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
}

struct ChangeCounter : forms::WindowObserver {
  int changes = 0;
  void ControlChanged(forms::Control&) override { ++changes; }
};

TEST_F(GridFixture, RedrawOffHoldsBackChangeNotificationsUntilSwitchedOn) {
  ChangeCounter counter;
  program.rt.Windows().SetObserver(&counter);
  grid.SetRedraw(false);
  for (int c = 1; c < 5; ++c) grid.SetTextMatrix(1, c, "x");
  EXPECT_EQ(counter.changes, 0);
  grid.SetRedraw(true);
  EXPECT_EQ(counter.changes, 1);
  program.rt.Windows().SetObserver(nullptr);
}

}  // namespace
