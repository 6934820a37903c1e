// The grid on screen: colours at their cells, fixed rows and columns while scrolled, hidden
// columns, merged cells, drawing held back while Redraw is off, and the same painter for the
// printed picture.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <memory>

#include "QtTestSupport.h"
#include "forms/Forms.h"
#include "forms/qt/GridPainter.h"

namespace {

// Columns 40 pixels wide, rows 20 pixels high.
constexpr int kColTwips = 600;
constexpr int kRowTwips = 300;

class GridForm : public forms::Form {
 public:
  explicit GridForm(forms::Runtime& rt) : forms::Form(rt, "frmGrid") {
    Move(0, 0, 9000, 6000);
    grid.Move(0, 0, 6000, 3000);
  }
  forms::Grid grid{*this, "grdTest"};
};

class QtGridPaint : public testing::Test {
 protected:
  QtGridPaint() : rt(platform) {
    platform.Attach(rt);
    form = std::make_unique<GridForm>(rt);
    form->Show();
    Size(6, 8);
  }
  ~QtGridPaint() override { form->Unload(); }

  void Size(int rows, int cols) {
    forms::Grid& g = form->grid;
    g.SetRows(rows);
    g.SetCols(cols);
    for (int c = 0; c < cols; ++c) g.SetColWidth(c, kColTwips);
    g.SetRowHeightMin(kRowTwips);
  }
  void Paint(int row, int col, forms::Color color) {
    form->grid.SetRow(row);
    form->grid.SetCol(col);
    form->grid.SetCellBackColor(color);
  }
  QAbstractScrollArea* Area() {
    return static_cast<QAbstractScrollArea*>(platform.WidgetOf(form->grid));
  }
  QImage Render() {
    mvtest::Pump();
    return Area()->viewport()->grab().toImage();
  }
  static QPoint Centre(int row, int col) { return {col * 40 + 20, row * 20 + 10}; }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
  std::unique_ptr<GridForm> form;
};

TEST_F(QtGridPaint, CellsShowTheirBackColoursAtTheirPlaces) {
  Paint(2, 3, forms::vbRed);
  Paint(4, 6, forms::vbGreen);
  const QImage image = Render();
  EXPECT_EQ(image.pixelColor(Centre(2, 3)), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(Centre(4, 6)), QColor(0, 255, 0));
  EXPECT_EQ(image.pixelColor(Centre(2, 4)), QColor(255, 255, 255));
  EXPECT_EQ(image.pixelColor(Centre(0, 3)), QColor(212, 208, 200));  // fixed row
}

TEST_F(QtGridPaint, FixedRowsAndColumnsStayInPlaceWhileScrolled) {
  Size(6, 40);
  Paint(0, 20, forms::vbBlue);
  Paint(3, 0, forms::vbYellow);
  Paint(3, 20, forms::vbGreen);
  Paint(3, 2, forms::vbRed);
  form->grid.SetLeftCol(20);
  const QImage image = Render();
  EXPECT_EQ(image.pixelColor(Centre(0, 1)),
            QColor(0, 0, 255));  // the header of column 20, beside the fixed column
  EXPECT_EQ(image.pixelColor(Centre(3, 0)), QColor(255, 255, 0));
  EXPECT_EQ(image.pixelColor(Centre(3, 1)), QColor(0, 255, 0));
  for (int col = 0; col < 9; ++col)
    EXPECT_NE(image.pixelColor(Centre(3, col)), QColor(255, 0, 0)) << col;
  EXPECT_TRUE(Area()->horizontalScrollBar()->isVisible());
  EXPECT_EQ(Area()->horizontalScrollBar()->value(), 20);
}

TEST_F(QtGridPaint, AHiddenColumnTakesNoRoom) {
  form->grid.SetColWidth(2, 0);
  Paint(1, 3, forms::vbRed);
  const QImage image = Render();
  EXPECT_EQ(image.pixelColor(Centre(1, 2)), QColor(255, 0, 0));
}

TEST_F(QtGridPaint, EqualNeighboursOfAMergedRowAreDrawnAsOneCell) {
  forms::Grid& g = form->grid;
  g.SetMergeCells(forms::flexMergeRestrictRows);
  g.SetMergeRow(0, true);
  for (int c = 1; c <= 3; ++c) g.SetTextMatrix(0, c, "Mai");
  g.SetTextMatrix(0, 4, "Juni");
  g.SetTextMatrix(0, 5, "Juli");
  const QImage image = Render();
  const QColor face(212, 208, 200);
  const QColor edge(128, 128, 128);
  EXPECT_EQ(image.pixelColor(2 * 40 - 1, 3), face);  // between columns 1 and 2: one cell
  EXPECT_EQ(image.pixelColor(3 * 40 - 1, 3), face);  // between columns 2 and 3
  EXPECT_EQ(image.pixelColor(4 * 40 - 1, 3), edge);  // "Mai" ends
  EXPECT_EQ(image.pixelColor(5 * 40 - 1, 3), edge);  // "Juni" and "Juli" stay apart
}

TEST_F(QtGridPaint, AMergedColumnTakesTheLookOfItsLastCell) {
  forms::Grid& g = form->grid;
  g.SetMergeCells(forms::flexMergeRestrictRows);
  g.SetMergeCol(0, true);
  for (int r = 0; r <= 3; ++r) g.SetTextMatrix(r, 0, "2026");
  Paint(3, 0, forms::vbGreen);
  const QImage image = Render();
  for (int row : {0, 2}) {  // the top and the middle of the merged year cell
    const QColor pixel = image.pixelColor(Centre(row, 0));
    EXPECT_TRUE(pixel.green() > 200 && pixel.red() < 60 && pixel.blue() < 60)
        << row << ": " << pixel.name().toStdString();
  }
}

TEST_F(QtGridPaint, NothingChangesOnScreenWhileRedrawIsOff) {
  Render();
  form->grid.SetRedraw(false);
  Paint(2, 3, forms::vbRed);
  EXPECT_EQ(Render().pixelColor(Centre(2, 3)), QColor(255, 255, 255));
  form->grid.SetRedraw(true);
  EXPECT_EQ(Render().pixelColor(Centre(2, 3)), QColor(255, 0, 0));
}

TEST_F(QtGridPaint, ThePictureIsTheWholeGridDrawnByTheSamePainter) {
  Size(6, 40);
  Paint(2, 30, forms::vbRed);
  form->grid.SetLeftCol(20);
  const QImage picture = forms::qt::RenderGridPicture(form->grid.Picture());
  EXPECT_EQ(picture.size(), QSize(40 * 40, 6 * 20));
  EXPECT_EQ(picture.pixelColor(Centre(2, 30)), QColor(255, 0, 0));
}

TEST_F(QtGridPaint, TheGridsToolTipShowsOverItsCells) {
  form->grid.SetToolTipText("Name, Vorname");
  mvtest::Pump();
  EXPECT_EQ(Area()->viewport()->toolTip(), QStringLiteral("Name, Vorname"));
}

}  // namespace
