#pragma once

#include "forms/Control.h"

namespace forms {

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, Control* container = nullptr, int index = -1);
  CommandButton(Form& form, std::string name, Control& container)
      : CommandButton(form, std::move(name), &container) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  // Enter on the form clicks the Default button, Escape the Cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v);
  int Style() const { return style_; }  // 0 standard, 1 graphical (shows BackColor)
  void SetStyle(int v);

  bool CanTakeFocus() const override;

  std::function<void()> Click;

  void UserClick();

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
  int style_ = 0;
};

}  // namespace forms
