#pragma once
// One direction of a grid on screen: the pixel edges of its rows (or columns), the fixed ones
// that stay in place, and the scrollable ones shown from a first scrollable index on.
#include <cstddef>
#include <vector>

namespace forms::qt {

class GridAxis {
 public:
  GridAxis() = default;
  // Sizes in twips (0 hides a cell); the first `fixed` cells never scroll.
  GridAxis(const std::vector<int>& twips, int fixed);

  int Count() const { return static_cast<int>(edges_.size()) - 1; }
  int Fixed() const { return fixed_; }
  // Pixel edge before cell i in the unscrolled grid; Edge(Count()) is the whole extent.
  int Edge(int i) const { return edges_[static_cast<std::size_t>(i)]; }
  int Size(int i) const { return Edge(i + 1) - Edge(i); }
  int FixedExtent() const { return Edge(fixed_); }
  int Extent() const { return Edge(Count()); }

  // Where cell i starts on screen when `first` is the first scrollable cell shown.
  int ScreenPos(int i, int first) const;
  // The cell under screen coordinate p; a point beyond the cells gives the nearest shown cell,
  // -1 when no cell is shown at all.
  int At(int p, int first) const;
  // The last scrollable cell that can usefully come first: from it on, the rest fits into `extent`
  // pixels beside the fixed cells.
  int LastFirst(int extent) const;
  // How many cells from `first` on start within `extent` pixels on screen.
  int ShownFrom(int first, int extent) const;
  // The first scrollable index kept within Fixed() .. LastFirst(extent).
  int ClampFirst(int first, int extent) const;

 private:
  int FirstShown(int from, int to) const;
  int LastShown(int from, int to) const;

  std::vector<int> edges_{0};
  int fixed_ = 0;
};

}  // namespace forms::qt
