#pragma once

#include "forms/Control.h"

namespace forms {

class Image : public Control {
 public:
  Image(Form& form, std::string name, Control* container = nullptr, int index = -1);
  Image(Form& form, std::string name, Control& container)
      : Image(form, std::move(name), &container) {}

  // A file path or resource name that the back end resolves.
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& v);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v);

  std::function<void()> Click;
  std::function<void()> DblClick;

  void UserClick();
  void UserDoubleClick();

 private:
  std::string picture_;
  bool stretch_ = false;
};

}  // namespace forms
