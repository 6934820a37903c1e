#pragma once

#include "forms/Control.h"

namespace forms {

class Slider : public Control {
 public:
  Slider(Form& form, std::string name, Control* container = nullptr, int index = -1);
  Slider(Form& form, std::string name, Control& container)
      : Slider(form, std::move(name), &container) {}

  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Value() const { return value_; }
  // Raises Change when the value changes; throws forms::Error outside Min..Max.
  void SetValue(int v);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int v) { smallChange_ = v; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int v) { largeChange_ = v; }
  int TickFrequency() const { return tickFrequency_; }
  void SetTickFrequency(int v);

  bool CanTakeFocus() const override;

  std::function<void()> Change;
  std::function<void()> Scroll;
  std::function<void()> Click;

  // The user drags the knob to value (kept within Min..Max): Scroll, Change when it moved, then
  // Click.
  void UserSlide(int value);

 private:
  int min_ = 0;
  int max_ = 10;
  int value_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 5;
  int tickFrequency_ = 1;
};

}  // namespace forms
