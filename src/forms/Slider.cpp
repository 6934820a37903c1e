#include "forms/Slider.h"

#include <algorithm>

#include "forms/Error.h"

namespace forms {

Slider::Slider(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::Slider, std::move(name), container, index) {}

void Slider::SetMin(int v) {
  Update(min_, v);
  if (value_ < min_) SetValue(min_);
}

void Slider::SetMax(int v) {
  Update(max_, v);
  if (value_ > max_) SetValue(max_);
}

void Slider::SetValue(int v) {
  if (v < min_ || v > max_) throw Error("Invalid property value: " + Name() + ".Value");
  if (value_ == v) return;
  value_ = v;
  Changed();
  if (Change) Change();
}

void Slider::SetTickFrequency(int v) { Update(tickFrequency_, v); }

bool Slider::CanTakeFocus() const { return true; }

void Slider::UserSlide(int value) {
  UserInput input(*this);
  if (!input) return;
  const int v = std::clamp(value, min_, max_);
  const bool moved = v != value_;
  value_ = v;
  if (moved) Changed();
  if (Scroll) Scroll();
  if (moved && AcceptsInput() && Change) Change();
  if (AcceptsInput() && Click) Click();
}

}  // namespace forms
