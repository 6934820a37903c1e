#pragma once

#include "forms/Control.h"

namespace forms {

// A captioned container; its option buttons form one group.
class Frame : public Control {
 public:
  Frame(Form& form, std::string name, Control* container = nullptr, int index = -1);
  Frame(Form& form, std::string name, Control& container)
      : Frame(form, std::move(name), &container) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int v);

  std::function<void()> Click;

 private:
  std::string caption_;
  int borderStyle_ = 1;
};

}  // namespace forms
