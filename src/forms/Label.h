#pragma once

#include "forms/Control.h"

namespace forms {

class Label : public Control {
 public:
  Label(Form& form, std::string name, Control* container = nullptr, int index = -1);
  Label(Form& form, std::string name, Control& container)
      : Label(form, std::move(name), &container) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int Alignment() const { return alignment_; }  // vbLeftJustify, vbRightJustify, vbCenter
  void SetAlignment(int v);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  int BackStyle() const { return backStyle_; }  // 0 transparent, 1 opaque
  void SetBackStyle(int v);
  int BorderStyle() const { return borderStyle_; }  // 0 none, 1 fixed single
  void SetBorderStyle(int v);

  std::function<void()> Click;
  std::function<void()> DblClick;

  void UserClick();
  void UserDoubleClick();

 private:
  std::string caption_;
  int alignment_ = 0;
  bool autoSize_ = false;
  bool wordWrap_ = false;
  int backStyle_ = 1;
  int borderStyle_ = 0;
};

}  // namespace forms
