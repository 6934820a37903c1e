#pragma once

#include "forms/Control.h"

namespace forms {

// A container that may also show a picture (a file path or resource name the back end resolves).
class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  PictureBox(Form& form, std::string name, Control& container)
      : PictureBox(form, std::move(name), &container) {}

  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& v);
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int v);

  bool CanTakeFocus() const override;

  std::function<void()> Click;
  std::function<void()> DblClick;

  void UserClick();

 private:
  std::string picture_;
  int borderStyle_ = 1;
};

}  // namespace forms
