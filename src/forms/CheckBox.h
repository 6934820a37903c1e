#pragma once

#include "forms/Control.h"

namespace forms {

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  CheckBox(Form& form, std::string name, Control& container)
      : CheckBox(form, std::move(name), &container) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int Value() const { return value_; }  // vbUnchecked, vbChecked, vbGrayed
  // Raises Click when the value changes.
  void SetValue(int v);

  bool CanTakeFocus() const override;

  std::function<void()> Click;

  // Ticks a clear box and clears a ticked or grey one.
  void UserClick();

 private:
  std::string caption_;
  int value_ = 0;
};

}  // namespace forms
