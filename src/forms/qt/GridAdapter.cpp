#include "forms/qt/GridAdapter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "forms/Keys.h"
#include "forms/qt/Convert.h"

namespace forms::qt {

namespace {

int ButtonMask(Qt::MouseButtons buttons) {
  int mask = 0;
  if (buttons & Qt::LeftButton) mask |= vbLeftButton;
  if (buttons & Qt::RightButton) mask |= vbRightButton;
  if (buttons & Qt::MiddleButton) mask |= vbMiddleButton;
  return mask;
}

int ShiftMask(Qt::KeyboardModifiers modifiers) {
  int mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= vbShiftMask;
  if (modifiers & Qt::ControlModifier) mask |= vbCtrlMask;
  if (modifiers & Qt::AltModifier) mask |= vbAltMask;
  return mask;
}

}  // namespace

GridAdapter::GridAdapter(FormWindow& window, Grid& grid, QWidget* parent)
    : ControlAdapter(window, grid, new QAbstractScrollArea(parent)),
      view_(static_cast<QAbstractScrollArea*>(Widget())),
      viewport_(view_->viewport()) {
  view_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  view_->setFocusPolicy(Qt::StrongFocus);
  view_->viewport()->setMouseTracking(true);
  view_->viewport()->setAutoFillBackground(false);
  Watch(view_->viewport());
  auto scrolled = [this] {
    if (Syncing() || !Target()) return;
    const int top = view_->verticalScrollBar()->value();
    const int left = view_->horizontalScrollBar()->value();
    Act([this, top, left] { Model().UserScroll(top, left); });
  };
  connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
  connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
}

void GridAdapter::SyncOwn() {
  const Grid& grid = Model();
  const QString tip = ToQt(grid.ToolTipText());
  if (view_->viewport()->toolTip() != tip) view_->viewport()->setToolTip(tip);
  view_->setFocusPolicy(grid.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  dirty_ = true;
  if (!grid.Redraw()) return;
  view_->viewport()->update();
  RefitLater();
}

void GridAdapter::EnsurePicture() {
  // While drawing is off, the picture last shown stays.
  if (!dirty_ || !Target() || (built_ && !Model().Redraw())) return;
  picture_ = Model().Picture();
  cols_ = GridAxis(picture_.ColWidths, picture_.FixedCols);
  rows_ = GridAxis(picture_.RowHeights, picture_.FixedRows);
  dirty_ = false;
  built_ = true;
}

GridView GridAdapter::View() {
  EnsurePicture();
  const QSize size = view_->viewport()->size();
  const int left = Target() ? Model().LeftCol() : cols_.Fixed();
  const int top = Target() ? Model().TopRow() : rows_.Fixed();
  return {cols_.ClampFirst(left, size.width()), rows_.ClampFirst(top, size.height()), size};
}

std::pair<int, int> GridAdapter::CellAt(QPoint point) {
  const GridView view = View();
  return {rows_.At(point.y(), view.TopRow), cols_.At(point.x(), view.LeftCol)};
}

void GridAdapter::Paint() {
  const GridView view = View();
  QPainter painter(view_->viewport());
  PaintGrid(painter, picture_, cols_, rows_, view);
  if (!Target()) return;
  const Grid& grid = Model();
  if (grid.FocusRect() == flexFocusNone || !grid.HasFocus()) return;
  const int row = grid.Row();
  const int col = grid.Col();
  if (row >= rows_.Count() || col >= cols_.Count() || rows_.Size(row) == 0 || cols_.Size(col) == 0)
    return;
  const QRect cell(cols_.ScreenPos(col, view.LeftCol), rows_.ScreenPos(row, view.TopRow),
                   cols_.Size(col), rows_.Size(row));
  QPen pen(ToQColor(picture_.Cell(row, col).ForeColor));
  if (grid.FocusRect() == flexFocusLight) {
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(cell.adjusted(1, 1, -2, -2));
  } else {
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawRect(cell.adjusted(1, 1, -1, -1));
  }
}

void GridAdapter::RefitLater() {
  if (refitPending_) return;
  refitPending_ = true;
  QMetaObject::invokeMethod(
      this, [this] { Refit(); }, Qt::QueuedConnection);
}

void GridAdapter::Refit() {
  refitPending_ = false;
  if (!Target()) return;
  const GridView view = View();
  SyncScope scope(*this);
  QScrollBar* horizontal = view_->horizontalScrollBar();
  horizontal->setRange(cols_.Fixed(), std::max(cols_.Fixed(), cols_.LastFirst(view.Size.width())));
  horizontal->setPageStep(std::max(1, cols_.ShownFrom(view.LeftCol, view.Size.width()) - 1));
  horizontal->setValue(view.LeftCol);
  QScrollBar* vertical = view_->verticalScrollBar();
  vertical->setRange(rows_.Fixed(), std::max(rows_.Fixed(), rows_.LastFirst(view.Size.height())));
  vertical->setPageStep(std::max(1, rows_.ShownFrom(view.TopRow, view.Size.height()) - 1));
  vertical->setValue(view.TopRow);
}

void GridAdapter::ScrollWhileDragging(QPoint point) {
  const GridView view = View();
  int left = view.LeftCol;
  int top = view.TopRow;
  if (point.x() >= view.Size.width()) ++left;
  if (point.x() < cols_.FixedExtent() && left > cols_.Fixed()) --left;
  if (point.y() >= view.Size.height()) ++top;
  if (point.y() < rows_.FixedExtent() && top > rows_.Fixed()) --top;
  left = cols_.ClampFirst(left, view.Size.width());
  top = rows_.ClampFirst(top, view.Size.height());
  if (left != view.LeftCol || top != view.TopRow)
    Act([this, top, left] { Model().UserScroll(top, left); });
}

bool GridAdapter::Mouse(const QMouseEvent& event) {
  const QPoint point = event.position().toPoint();
  const int shift = ShiftMask(event.modifiers());
  switch (event.type()) {
    case QEvent::MouseButtonPress: {
      const auto [row, col] = CellAt(point);
      if (row < 0 || col < 0) return true;
      const int button = ButtonMask(event.button());
      Act([this, row = row, col = col, button, shift] {
        Model().UserPress(row, col, button, shift);
      });
      lastMove_ = {-1, -1, -1};
      return true;
    }
    case QEvent::MouseButtonDblClick: {
      const auto [row, col] = CellAt(point);
      if (row < 0 || col < 0) return true;
      if (event.button() == Qt::LeftButton) {
        Act([this, row = row, col = col] { Model().UserDoublePress(row, col); });
      } else {
        const int button = ButtonMask(event.button());
        Act([this, row = row, col = col, button, shift] {
          Model().UserPress(row, col, button, shift);
        });
      }
      return true;
    }
    case QEvent::MouseMove: {
      const int buttons = ButtonMask(event.buttons());
      if (buttons & vbLeftButton) ScrollWhileDragging(point);
      if (!Target()) return true;
      const auto [row, col] = CellAt(point);
      if (row < 0 || col < 0) return true;
      // Within one cell a move tells the handlers nothing new.
      const std::tuple<int, int, int> move{row, col, buttons};
      if (move == lastMove_) return true;
      lastMove_ = move;
      Act([this, row = row, col = col, buttons, shift] {
        Model().UserMove(row, col, buttons, shift);
      });
      return true;
    }
    case QEvent::MouseButtonRelease: {
      const auto [row, col] = CellAt(point);
      if (row < 0 || col < 0) return true;
      const int button = ButtonMask(event.button());
      Act([this, row = row, col = col, button, shift] {
        Model().UserRelease(row, col, button, shift);
      });
      lastMove_ = {-1, -1, -1};
      return true;
    }
    default:
      return false;
  }
}

bool GridAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport_) {
    switch (event->type()) {
      case QEvent::Paint:
        Paint();
        return true;
      case QEvent::Resize:
        RefitLater();
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::MouseButtonRelease:
        if (Target()) return Mouse(*static_cast<QMouseEvent*>(event));
        return true;
      default:
        break;
    }
  }
  return ControlAdapter::eventFilter(watched, event);
}

}  // namespace forms::qt
