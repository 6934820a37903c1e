#pragma once
// Draws a grid picture: the same painter serves the grid on screen (scrolled) and the printed page.
#include <QImage>
#include <QPainter>
#include <QSize>

#include "forms/GridPicture.h"
#include "forms/qt/GridAxis.h"

namespace forms::qt {

struct GridView {
  int LeftCol = 0;  // first scrollable column shown
  int TopRow = 0;   // first scrollable row shown
  QSize Size;       // pixels painted; what the cells leave free shows the grid's background colour
};

// Fixed rows and columns stay in place; the others start at the view's first row and column.
void PaintGrid(QPainter& painter, const GridPicture& picture, const GridAxis& cols,
               const GridAxis& rows, const GridView& view);
// The whole picture, unscrolled, at its own size (15 twips to a pixel).
void PaintGridPicture(QPainter& painter, const GridPicture& picture);
QImage RenderGridPicture(const GridPicture& picture);

}  // namespace forms::qt
