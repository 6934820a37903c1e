#pragma once
#include <QAbstractScrollArea>
#include <tuple>
#include <utility>

#include "forms/Grid.h"
#include "forms/GridPicture.h"
#include "forms/qt/ControlAdapter.h"
#include "forms/qt/GridAxis.h"
#include "forms/qt/GridPainter.h"

namespace forms::qt {

// The grid as one painted, scrollable area. It draws the grid's Picture (rebuilt after changes,
// kept as it was while Redraw is off) with fixed rows and columns in place, scrolls by whole rows
// and columns, and reports the mouse by cell: press, move (with the buttons held), release and the
// second press of a double click.
class GridAdapter : public ControlAdapter {
 public:
  GridAdapter(FormWindow& window, Grid& grid, QWidget* parent);

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Grid& Model() const { return static_cast<Grid&>(*Target()); }
  void EnsurePicture();
  // The cell under a point of the painted area, -1 for a row or column when the grid shows none.
  std::pair<int, int> CellAt(QPoint point);
  GridView View();
  void Paint();
  void Refit();
  void RefitLater();
  bool Mouse(const QMouseEvent& event);
  void ScrollWhileDragging(QPoint point);

  QAbstractScrollArea* view_;
  // Kept apart: the view's destruction sends the viewport events after the view is half gone.
  QWidget* viewport_;
  GridPicture picture_;
  GridAxis cols_;
  GridAxis rows_;
  bool dirty_ = true;
  bool built_ = false;
  bool refitPending_ = false;
  std::tuple<int, int, int> lastMove_{-1, -1, -1};
};

}  // namespace forms::qt
