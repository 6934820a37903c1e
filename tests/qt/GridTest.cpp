// The grid on screen: real mouse events arrive as the runtime's events with cell and button; cells
// drawn in their colours, merged, hidden, fixed while scrolled, held back while Redraw is off.
#include <QAbstractScrollArea>
#include <QScrollBar>

#include "QtTestSupport.h"
#include "forms/qt/GridPainter.h"

namespace {

// What the grid reported: the event, button, row, column and shift.
using Event = std::tuple<std::string, int, int, int, int>;

// 8 rows of 20 pixels, 40 columns of 40 pixels.
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

class QtGrid : public mvtest::QtFormTest<GridForm> {
 protected:
  QtGrid() {
    forms::Grid& g = form->grid;
    auto record = [this](const char* what) {
      return [this, what](int button, int shift, float, float) {
        log.emplace_back(what, button, form->grid.MouseRow(), form->grid.MouseCol(), shift);
      };
    };
    g.MouseDown = record("down");
    g.MouseMove = record("move");
    g.MouseUp = record("up");
    g.Click = [this] { log.emplace_back("click", 0, 0, 0, 0); };
    g.DblClick = [this] { log.emplace_back("dblclick", 0, 0, 0, 0); };
    g.SelChange = [this] { ++selChanges; };
  }

  // The centre of a cell while nothing is scrolled.
  static QPoint At(int row, int col) { return {col * 40 + 20, row * 20 + 10}; }
  QAbstractScrollArea& Area() { return *Widget<QAbstractScrollArea>(form->grid); }
  void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    mvtest::SendMouse(*Area().viewport(), type, at, held);
  }
  void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    mvtest::SendMouse(*Area().viewport(), QEvent::MouseButtonPress, at, button, button, modifiers);
    mvtest::SendMouse(*Area().viewport(), QEvent::MouseButtonRelease, at, {}, button, modifiers);
  }
  void Paint(int row, int col, forms::Color color) {
    form->grid.SetRow(row);
    form->grid.SetCol(col);
    form->grid.SetCellBackColor(color);
  }
  QImage Render() {
    mvtest::Pump();
    return Area().viewport()->grab().toImage();
  }

  std::vector<Event> log;
  int selChanges = 0;
};

using Log = std::vector<Event>;
const Event kClick{"click", 0, 0, 0, 0};

TEST_F(QtGrid, ClicksHoversAndDragsReportTheCellTheButtonAndTheModifiersScrolledOrNot) {
  Click(At(2, 3));
  EXPECT_EQ(log, (Log{{"down", 1, 2, 3, 0}, {"up", 1, 2, 3, 0}, kClick}));
  log.clear();
  Click(At(5, 1), Qt::RightButton);  // leaves the current cell
  Send(QEvent::MouseMove, At(3, 2), Qt::NoButton);
  EXPECT_EQ(log, (Log{{"down", 2, 5, 1, 0}, {"up", 2, 5, 1, 0}, {"move", 0, 3, 2, 0}}));
  EXPECT_EQ(form->grid.Row(), 2);
  EXPECT_EQ(form->grid.Col(), 3);

  log.clear();
  Click(At(4, 0));
  Send(QEvent::MouseButtonDblClick, At(4, 0), Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, At(4, 0), Qt::NoButton);
  const Event up{"up", 1, 4, 0, 0};
  EXPECT_EQ(log, (Log{{"down", 1, 4, 0, 0}, up, kClick, {"dblclick", 0, 0, 0, 0}, up}));

  log.clear();
  Click(At(2, 2), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const int mask = forms::vbShiftMask | forms::vbCtrlMask | forms::vbAltMask;
  EXPECT_EQ(log, (Log{{"down", 1, 2, 2, mask}, {"up", 1, 2, 2, mask}, kClick}));

  log.clear();
  Send(QEvent::MouseButtonPress, At(2, 1), Qt::LeftButton);
  Send(QEvent::MouseMove, At(2, 2), Qt::LeftButton);
  Send(QEvent::MouseMove, At(2, 2) + QPoint(5, 3), Qt::LeftButton);  // same cell: nothing new
  Send(QEvent::MouseMove, At(2, 4), Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, At(2, 4), Qt::NoButton);
  EXPECT_EQ(log, (Log{{"down", 1, 2, 1, 0},
                      {"move", 1, 2, 2, 0},
                      {"move", 1, 2, 4, 0},
                      {"up", 1, 2, 4, 0},
                      kClick}));
  EXPECT_EQ(form->grid.ColSel(), 4);
  EXPECT_GE(selChanges, 2);

  log.clear();
  form->grid.SetLeftCol(20);
  mvtest::Pump();
  Click(At(2, 1));  // the first scrollable column shown is column 20
  Send(QEvent::MouseMove, QPoint(5000, 10000), Qt::NoButton);  // far beyond: the nearest cell
  EXPECT_EQ(log.front(), Event("down", 1, 2, 20, 0));
  EXPECT_EQ(log.back(), Event("move", 0, 7, 39, 0));
}

// Cells show their colours only while Redraw is on; hidden columns take no room; fixed rows and
// columns stay while scrolled; the printed picture is the whole grid. Equal neighbours of a merged
// row are one cell, and a merged column takes the look of its last cell.
TEST_F(QtGrid, CellsArePaintedInTheirColoursMergedAndScrolledAndTheWholeGridPrinted) {
  Paint(2, 3, forms::vbRed);
  QImage image = Render();
  EXPECT_EQ(image.pixelColor(At(2, 3)), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(At(2, 4)), QColor(255, 255, 255));
  EXPECT_EQ(image.pixelColor(At(0, 3)), QColor(212, 208, 200));  // fixed row
  form->grid.SetRedraw(false);
  Paint(2, 4, forms::vbGreen);
  EXPECT_EQ(Render().pixelColor(At(2, 4)), QColor(255, 255, 255));
  form->grid.SetRedraw(true);
  EXPECT_EQ(Render().pixelColor(At(2, 4)), QColor(0, 255, 0));
  form->grid.SetColWidth(2, 0);
  EXPECT_EQ(Render().pixelColor(At(2, 2)), QColor(255, 0, 0));
  form->grid.SetColWidth(2, 600);

  forms::Grid& g = form->grid;
  g.SetMergeCells(forms::flexMergeRestrictRows);
  g.SetMergeRow(0, true);
  for (int c = 1; c <= 3; ++c) g.SetTextMatrix(0, c, "Mai");
  g.SetTextMatrix(0, 4, "Juni");
  g.SetTextMatrix(0, 5, "Juli");
  g.SetMergeCol(0, true);
  for (int r = 0; r <= 3; ++r) g.SetTextMatrix(r, 0, "2026");
  Paint(3, 0, forms::vbGreen);
  image = Render();
  const QColor face(212, 208, 200);
  const QColor edge(128, 128, 128);
  EXPECT_EQ(image.pixelColor(2 * 40 - 1, 3), face);  // between columns 1 and 2: one cell
  EXPECT_EQ(image.pixelColor(3 * 40 - 1, 3), face);  // between columns 2 and 3
  EXPECT_EQ(image.pixelColor(4 * 40 - 1, 3), edge);  // "Mai" ends
  EXPECT_EQ(image.pixelColor(5 * 40 - 1, 3), edge);  // "Juni" and "Juli" stay apart
  for (int row : {0, 2}) {  // the top and the middle of the merged year cell
    const QColor pixel = image.pixelColor(At(row, 0));
    EXPECT_GT(pixel.green(), 200) << row << ": " << pixel.name().toStdString();
    EXPECT_LT(pixel.red() + pixel.blue(), 120) << row << ": " << pixel.name().toStdString();
  }

  Paint(0, 20, forms::vbBlue);
  Paint(5, 0, forms::vbYellow);
  Paint(5, 20, forms::vbGreen);
  Paint(2, 30, forms::vbRed);
  g.SetLeftCol(20);
  image = Render();
  EXPECT_EQ(image.pixelColor(At(0, 1)), QColor(0, 0, 255));  // column 20's header
  EXPECT_EQ(image.pixelColor(At(5, 0)), QColor(255, 255, 0));
  EXPECT_EQ(image.pixelColor(At(5, 1)), QColor(0, 255, 0));
  EXPECT_EQ(Area().horizontalScrollBar()->value(), 20);

  const QImage picture = forms::qt::RenderGridPicture(g.Picture());
  EXPECT_EQ(picture.pixelColor(At(2, 30)), QColor(255, 0, 0));
  EXPECT_EQ(picture.pixelColor(At(2, 3)), QColor(255, 0, 0));
}

}  // namespace
