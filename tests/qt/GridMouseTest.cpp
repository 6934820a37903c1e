// Real mouse events on the grid arrive as the runtime's events with the cell and the button.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QScrollBar>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "QtTestSupport.h"
#include "forms/Forms.h"

namespace {

class GridForm : public forms::Form {
 public:
  explicit GridForm(forms::Runtime& rt) : forms::Form(rt, "frmGrid") {
    Move(0, 0, 9000, 6000);
    grid.Move(0, 0, 6000, 3000);
    grid.SetRows(8);
    grid.SetCols(40);
    for (int c = 0; c < 40; ++c) grid.SetColWidth(c, 600);
    grid.SetRowHeightMin(300);
  }
  forms::Grid grid{*this, "grdTest"};
};

class QtGridMouse : public testing::Test {
 protected:
  QtGridMouse() : rt(platform) {
    platform.Attach(rt);
    form = std::make_unique<GridForm>(rt);
    forms::Grid& g = form->grid;
    auto record = [this](const char* what) {
      return [this, what](int button, int, float, float) {
        log.push_back(std::string(what) + " " + std::to_string(button) + " " +
                      std::to_string(form->grid.MouseRow()) + "," +
                      std::to_string(form->grid.MouseCol()));
      };
    };
    g.MouseDown = record("down");
    g.MouseMove = record("move");
    g.MouseUp = record("up");
    g.Click = [this] { log.push_back("click"); };
    g.DblClick = [this] { log.push_back("dblclick"); };
    g.SelChange = [this] { ++selChanges; };
    form->Show();
    mvtest::Pump();
  }
  ~QtGridMouse() override { form->Unload(); }

  // The centre of a cell while nothing is scrolled: columns 40 pixels, rows 20.
  static QPoint At(int row, int col) { return {col * 40 + 20, row * 20 + 10}; }
  void Send(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons held,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* viewport =
        static_cast<QAbstractScrollArea*>(platform.WidgetOf(form->grid))->viewport();
    QMouseEvent event(type, point, viewport->mapToGlobal(point), button, held, modifiers);
    QApplication::sendEvent(viewport, &event);
  }
  void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    Send(QEvent::MouseButtonPress, p, b, b);
  }
  void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    Send(QEvent::MouseButtonRelease, p, b, Qt::NoButton);
  }
  void Move(QPoint p, Qt::MouseButtons held) { Send(QEvent::MouseMove, p, Qt::NoButton, held); }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
  std::unique_ptr<GridForm> form;
  std::vector<std::string> log;
  int selChanges = 0;
};

using Log = std::vector<std::string>;

TEST_F(QtGridMouse, ALeftClickOnACellMakesItCurrentAndClicks) {
  Press(At(2, 3));
  Release(At(2, 3));
  EXPECT_EQ(log, (Log{"down 1 2,3", "up 1 2,3", "click"}));
  EXPECT_EQ(form->grid.Row(), 2);
  EXPECT_EQ(form->grid.Col(), 3);
}

TEST_F(QtGridMouse, ARightPressReportsTheRightButtonAndLeavesTheCurrentCell) {
  Press(At(5, 1), Qt::RightButton);
  Release(At(5, 1), Qt::RightButton);
  EXPECT_EQ(log, (Log{"down 2 5,1", "up 2 5,1"}));
  EXPECT_EQ(form->grid.Row(), 1);
  EXPECT_EQ(form->grid.Col(), 1);
}

TEST_F(QtGridMouse, DraggingWithTheLeftButtonExtendsTheSelection) {
  Press(At(2, 1));
  Move(At(2, 2), Qt::LeftButton);
  Move(At(2, 2) + QPoint(5, 3), Qt::LeftButton);  // within the same cell: nothing new
  Move(At(2, 4), Qt::LeftButton);
  Release(At(2, 4));
  EXPECT_EQ(log, (Log{"down 1 2,1", "move 1 2,2", "move 1 2,4", "up 1 2,4", "click"}));
  EXPECT_EQ(form->grid.ColSel(), 4);
  EXPECT_GE(selChanges, 2);
}

TEST_F(QtGridMouse, HoveringReportsTheCellWithoutButtons) {
  Move(At(3, 2), Qt::NoButton);
  Move(At(6, 0), Qt::NoButton);
  EXPECT_EQ(log, (Log{"move 0 3,2", "move 0 6,0"}));
}

TEST_F(QtGridMouse, ADoubleClickRaisesDblClickAndNoSecondClick) {
  Press(At(4, 0));
  Release(At(4, 0));
  Send(QEvent::MouseButtonDblClick, At(4, 0), Qt::LeftButton, Qt::LeftButton);
  Release(At(4, 0));
  EXPECT_EQ(log, (Log{"down 1 4,0", "up 1 4,0", "click", "dblclick", "up 1 4,0"}));
}

TEST_F(QtGridMouse, CellsAreFoundInTheScrolledPartAndBeyondTheLastCell) {
  form->grid.SetLeftCol(20);
  mvtest::Pump();
  Press(At(2, 1));  // the first scrollable column shown is column 20
  Release(At(2, 1));
  Move(QPoint(5000, 10000), Qt::NoButton);  // far beyond the grid: the nearest cell
  EXPECT_EQ(log.front(), "down 1 2,20");
  EXPECT_EQ(log.back(), "move 0 7,39");
}

TEST_F(QtGridMouse, ModifierKeysHeldReachTheHandlersAsTheShiftMask) {
  std::vector<int> shifts;
  form->grid.MouseDown = [&](int, int shift, float, float) { shifts.push_back(shift); };
  form->grid.MouseUp = [&](int, int shift, float, float) { shifts.push_back(shift); };
  const std::vector<std::pair<Qt::KeyboardModifiers, int>> cases = {
      {Qt::NoModifier, 0},
      {Qt::ShiftModifier, forms::vbShiftMask},
      {Qt::ControlModifier, forms::vbCtrlMask},
      {Qt::AltModifier, forms::vbAltMask},
      {Qt::ShiftModifier | Qt::ControlModifier, forms::vbShiftMask | forms::vbCtrlMask}};
  for (const auto& [modifiers, mask] : cases) {
    shifts.clear();
    Send(QEvent::MouseButtonPress, At(2, 2), Qt::LeftButton, Qt::LeftButton, modifiers);
    Send(QEvent::MouseButtonRelease, At(2, 2), Qt::LeftButton, Qt::NoButton, modifiers);
    EXPECT_EQ(shifts, (std::vector<int>{mask, mask})) << mask;
  }
}

// A page to the right puts the last column that reached into view, whole or cut at the edge,
// first beside the fixed one; a page back returns.
TEST_F(QtGridMouse, APageStepToTheRightBringsTheNextColumnsIntoView) {
  auto* view = static_cast<QAbstractScrollArea*>(platform.WidgetOf(form->grid));
  const int lastInView = (view->viewport()->width() - 1) / 40;  // columns of 40 pixels
  ASSERT_GT(lastInView, 2);
  EXPECT_EQ(form->grid.LeftCol(), 1);
  view->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  mvtest::Pump();
  EXPECT_EQ(form->grid.LeftCol(), lastInView);
  view->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
  mvtest::Pump();
  EXPECT_EQ(form->grid.LeftCol(), 1);
}

}  // namespace
