#include "forms/qt/GridPainter.h"

#include <QRegularExpression>
#include <algorithm>
#include <vector>

#include "forms/qt/Convert.h"

namespace forms::qt {

namespace {

constexpr int kTextPadding = 2;
const QColor kFixedShadow(128, 128, 128);
const QColor kFixedLight(255, 255, 255);

bool LooksNumeric(const QString& text) {
  static const QRegularExpression number(QStringLiteral("^\\s*[-+]?\\d+([.,]\\d+)?\\s*$"));
  return number.match(text).hasMatch();
}

int TextFlags(const PictureCell& cell, const QString& text, bool wordWrap) {
  int alignment = cell.Alignment;
  if (alignment < 0 || alignment > 8)
    alignment = LooksNumeric(text) ? 7 : 1;  // general: numbers right
  static const int horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  static const int vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  int flags = horizontal[alignment / 3] | vertical[alignment % 3];
  if (wordWrap) flags |= Qt::TextWordWrap;
  return flags;
}

// One cell or merged range: `rect` is its whole extent, `shown` the part inside the painted region.
void PaintCell(QPainter& p, const PictureCell& cell, const QRect& rect, const QRect& shown,
               const GridPicture& pic) {
  p.fillRect(rect, ToQColor(cell.BackColor));
  if (!cell.Text.empty()) {
    const QString text = Caption(cell.Text);
    p.save();
    p.setClipRect(shown, Qt::IntersectClip);
    p.setFont(ToQFont(cell.Font));
    p.setPen(ToQColor(cell.ForeColor));
    const QRect area = shown.adjusted(kTextPadding, 0, -kTextPadding - 1, -1);
    p.drawText(area, TextFlags(cell, text, pic.WordWrap), text);
    p.restore();
  }
  const QRect right(rect.right(), rect.top(), 1, rect.height());
  const QRect bottom(rect.left(), rect.bottom(), rect.width(), 1);
  if (cell.Fixed) {
    p.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), kFixedLight);
    p.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), kFixedLight);
    p.fillRect(right, kFixedShadow);
    p.fillRect(bottom, kFixedShadow);
  } else {
    p.fillRect(right, ToQColor(pic.GridColor));
    p.fillRect(bottom, ToQColor(pic.GridColor));
  }
}

class RegionPainter {
 public:
  RegionPainter(QPainter& p, const GridPicture& pic, const GridAxis& cols, const GridAxis& rows,
                const GridView& view)
      : p_(p),
        pic_(pic),
        cols_(cols),
        rows_(rows),
        view_(view),
        mergeOf_(static_cast<size_t>(pic.Rows * pic.Cols), -1) {
    for (size_t i = 0; i < pic.Merged.size(); ++i) {
      const MergedRange& m = pic.Merged[i];
      for (int r = m.Row; r < m.Row + m.Rows; ++r) {
        for (int c = m.Col; c < m.Col + m.Cols; ++c)
          mergeOf_[static_cast<size_t>(r * pic.Cols + c)] = static_cast<int>(i);
      }
    }
  }

  // Cells of rows [r0, r1) and columns [c0, c1), clipped to `region`.
  void Paint(int r0, int r1, int c0, int c1, const QRect& region) {
    if (region.isEmpty()) return;
    p_.save();
    p_.setClipRect(region);
    std::vector<bool> done(pic_.Merged.size(), false);
    for (int r = r0; r < r1; ++r) {
      if (rows_.Size(r) == 0) continue;
      const int y = rows_.ScreenPos(r, view_.TopRow);
      if (y >= region.bottom() + 1) break;
      for (int c = c0; c < c1; ++c) {
        if (cols_.Size(c) == 0) continue;
        const int x = cols_.ScreenPos(c, view_.LeftCol);
        if (x >= region.right() + 1) break;
        const int merged = mergeOf_[static_cast<size_t>(r * pic_.Cols + c)];
        QRect rect(x, y, cols_.Size(c), rows_.Size(r));
        const PictureCell* cell = &pic_.Cell(r, c);
        if (merged >= 0) {
          if (done[static_cast<size_t>(merged)]) continue;
          done[static_cast<size_t>(merged)] = true;
          const MergedRange& m = pic_.Merged[static_cast<size_t>(merged)];
          rect = RangeRect(m);
          cell = &pic_.Cell(m.Row + m.Rows - 1, m.Col + m.Cols - 1);
        }
        PaintCell(p_, *cell, rect, rect.intersected(region), pic_);
      }
    }
    p_.restore();
  }

 private:
  QRect RangeRect(const MergedRange& m) const {
    const int lastCol = m.Col + m.Cols - 1;
    const int lastRow = m.Row + m.Rows - 1;
    const int x = cols_.ScreenPos(m.Col, view_.LeftCol);
    const int y = rows_.ScreenPos(m.Row, view_.TopRow);
    const int right = cols_.ScreenPos(lastCol, view_.LeftCol) + cols_.Size(lastCol);
    const int bottom = rows_.ScreenPos(lastRow, view_.TopRow) + rows_.Size(lastRow);
    return QRect(x, y, right - x, bottom - y);
  }

  QPainter& p_;
  const GridPicture& pic_;
  const GridAxis& cols_;
  const GridAxis& rows_;
  const GridView& view_;
  std::vector<int> mergeOf_;
};

}  // namespace

void PaintGrid(QPainter& painter, const GridPicture& picture, const GridAxis& cols,
               const GridAxis& rows, const GridView& view) {
  const QRect all(QPoint(0, 0), view.Size);
  painter.fillRect(all, ToQColor(picture.BackColorBkg));
  if (picture.Rows == 0 || picture.Cols == 0) return;
  const int fx = std::min(cols.FixedExtent(), all.width());
  const int fy = std::min(rows.FixedExtent(), all.height());
  RegionPainter regions(painter, picture, cols, rows, view);
  const int fr = rows.Fixed();
  const int fc = cols.Fixed();
  regions.Paint(view.TopRow, picture.Rows, view.LeftCol, picture.Cols,
                QRect(fx, fy, all.width() - fx, all.height() - fy));
  regions.Paint(0, fr, view.LeftCol, picture.Cols, QRect(fx, 0, all.width() - fx, fy));
  regions.Paint(view.TopRow, picture.Rows, 0, fc, QRect(0, fy, fx, all.height() - fy));
  regions.Paint(0, fr, 0, fc, QRect(0, 0, fx, fy));
}

void PaintGridPicture(QPainter& painter, const GridPicture& picture) {
  const GridAxis cols(picture.ColWidths, picture.FixedCols);
  const GridAxis rows(picture.RowHeights, picture.FixedRows);
  PaintGrid(painter, picture, cols, rows,
            {cols.Fixed(), rows.Fixed(), QSize(cols.Extent(), rows.Extent())});
}

QImage RenderGridPicture(const GridPicture& picture) {
  const GridAxis cols(picture.ColWidths, picture.FixedCols);
  const GridAxis rows(picture.RowHeights, picture.FixedRows);
  QImage image(std::max(1, cols.Extent()), std::max(1, rows.Extent()), QImage::Format_RGB32);
  QPainter painter(&image);
  PaintGrid(painter, picture, cols, rows, {cols.Fixed(), rows.Fixed(), image.size()});
  return image;
}

}  // namespace forms::qt
