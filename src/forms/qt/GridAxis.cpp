#include "forms/qt/GridAxis.h"

#include <algorithm>

#include "forms/qt/Convert.h"

namespace forms::qt {

GridAxis::GridAxis(const std::vector<int>& twips, int fixed)
    : fixed_(std::clamp(fixed, 0, static_cast<int>(twips.size()))) {
  long total = 0;
  edges_.reserve(twips.size() + 1);
  for (int t : twips) {
    total += std::max(0, t);
    edges_.push_back(Px(static_cast<int>(total)));
  }
}

int GridAxis::ScreenPos(int i, int first) const {
  if (i < fixed_) return Edge(i);
  return FixedExtent() + Edge(i) - Edge(std::clamp(first, fixed_, Count()));
}

int GridAxis::FirstShown(int from, int to) const {
  for (int i = from; i < to; ++i) {
    if (Size(i) > 0) return i;
  }
  return -1;
}

int GridAxis::LastShown(int from, int to) const {
  for (int i = to - 1; i >= from; --i) {
    if (Size(i) > 0) return i;
  }
  return -1;
}

int GridAxis::At(int p, int first) const {
  first = std::clamp(first, fixed_, Count());
  const int lastFixed = LastShown(0, fixed_);
  const int firstScrolled = FirstShown(first, Count());
  if (p < FixedExtent() || firstScrolled < 0) {
    for (int i = 0; i < fixed_; ++i) {
      if (p >= Edge(i) && p < Edge(i + 1)) return i;
    }
    if (p < 0 || firstScrolled < 0) {
      const int nearest = p < 0 ? FirstShown(0, fixed_) : lastFixed;
      return nearest >= 0 ? nearest : firstScrolled;
    }
  }
  const int q = p - FixedExtent() + Edge(first);
  for (int i = first; i < Count(); ++i) {
    if (q >= Edge(i) && q < Edge(i + 1)) return i;
  }
  if (q < Edge(first)) return firstScrolled;
  return LastShown(first, Count());
}

int GridAxis::LastFirst(int extent) const {
  const int room = extent - FixedExtent();
  for (int f = fixed_; f < Count(); ++f) {
    if (Extent() - Edge(f) <= room) return f;
  }
  return std::max(fixed_, Count() - 1);
}

int GridAxis::ShownFrom(int first, int extent) const {
  int shown = 0;
  for (int i = std::max(first, fixed_); i < Count() && ScreenPos(i, first) < extent; ++i)
    shown += Size(i) > 0 ? 1 : 0;
  return shown;
}

int GridAxis::ClampFirst(int first, int extent) const {
  return std::clamp(first, fixed_, std::max(fixed_, LastFirst(extent)));
}

}  // namespace forms::qt
