#pragma once

#include "forms/Control.h"

namespace forms {

// The option buttons of one container (frame, picture box or the form itself) form a group.
class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string name, Control* container = nullptr, int index = -1);
  OptionButton(Form& form, std::string name, Control& container)
      : OptionButton(form, std::move(name), &container) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int Style() const { return style_; }  // 0 standard, 1 graphical
  void SetStyle(int v);
  bool Value() const { return value_; }
  // True clears the others of the group and raises Click when it was false; false only clears.
  void SetValue(bool v);

  bool CanTakeFocus() const override;

  std::function<void()> Click;

  void UserClick();

 private:
  std::string caption_;
  int style_ = 0;
  bool value_ = false;
};

}  // namespace forms
