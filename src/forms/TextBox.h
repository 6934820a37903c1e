#pragma once

#include "forms/EditField.h"

namespace forms {

// Texts are UTF-8; MaxLength counts characters. Key codes are code points.
class TextBox : public EditField {
 public:
  TextBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  TextBox(Form& form, std::string name, Control& container)
      : TextBox(form, std::move(name), &container) {}

  // Raises Change when the text differs; the caret goes to the end.
  void SetText(const std::string& v) { SetEditText(v); }
  // The text as shown: one PasswordChar per character while PasswordChar is set.
  std::string DisplayText() const;

  int MaxLength() const { return maxLength_; }  // 0 = no limit
  void SetMaxLength(int v);
  const std::string& PasswordChar() const { return passwordChar_; }  // "" = plain
  void SetPasswordChar(const std::string& v);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v);
  int Alignment() const { return alignment_; }
  void SetAlignment(int v);

  bool CanTakeFocus() const override;

  std::function<void()> Click;
  std::function<void()> DblClick;

  void UserClick();
  void UserDoubleClick();

 protected:
  int Limit() const override { return maxLength_; }
  bool TakesLineBreaks() const override { return multiLine_; }
  bool Masked() const override { return !passwordChar_.empty(); }
  // Enter goes to the default button (unless it breaks a line), Escape to the cancel button.
  bool ClickedButtonFor(int keyAscii) override;

 private:
  int maxLength_ = 0;
  std::string passwordChar_;
  bool multiLine_ = false;
  int alignment_ = 0;
};

}  // namespace forms
