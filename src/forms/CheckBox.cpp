#include "forms/CheckBox.h"

namespace forms {

CheckBox::CheckBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::CheckBox, std::move(name), container, index) {}

void CheckBox::SetCaption(const std::string& v) { Update(caption_, v); }

void CheckBox::SetValue(int v) {
  if (value_ == v) return;
  value_ = v;
  Changed();
  if (Click) Click();
}

bool CheckBox::CanTakeFocus() const { return true; }

void CheckBox::UserClick() {
  UserInput input(*this);
  if (input) SetValue(value_ == 0 ? 1 : 0);
}

}  // namespace forms
