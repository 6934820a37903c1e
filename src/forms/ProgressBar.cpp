#include "forms/ProgressBar.h"

#include "forms/Error.h"

namespace forms {

ProgressBar::ProgressBar(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::ProgressBar, std::move(name), container, index) {
  SetTabStop(false);
}

void ProgressBar::SetMin(float v) { Update(min_, v); }
void ProgressBar::SetMax(float v) { Update(max_, v); }

void ProgressBar::SetValue(float v) {
  if (v < min_ || v > max_) throw Error("Invalid property value: " + Name() + ".Value");
  Update(value_, v);
}

}  // namespace forms
