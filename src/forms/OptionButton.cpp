#include "forms/OptionButton.h"

#include "forms/Form.h"

namespace forms {

OptionButton::OptionButton(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::OptionButton, std::move(name), container, index) {}

void OptionButton::SetCaption(const std::string& v) { Update(caption_, v); }
void OptionButton::SetStyle(int v) { Update(style_, v); }

void OptionButton::SetValue(bool v) {
  if (value_ == v) return;
  value_ = v;
  Changed();
  if (!v) return;
  for (Control* c : Parent().Controls()) {
    if (c != this && c->Kind() == ControlKind::OptionButton && c->Container() == Container()) {
      auto* other = static_cast<OptionButton*>(c);
      if (other->value_) {
        other->value_ = false;
        other->Changed();
      }
    }
  }
  if (Click) Click();
}

bool OptionButton::CanTakeFocus() const { return true; }

void OptionButton::UserClick() {
  UserInput input(*this);
  if (input) SetValue(true);
}

}  // namespace forms
