#pragma once

#include "forms/Control.h"

namespace forms {

// Texts are UTF-8; MaxLength, SelStart and SelLength count characters. Key codes are code points.
class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  TextBox(Form& form, std::string name, Control& container)
      : TextBox(form, std::move(name), &container) {}

  const std::string& Text() const { return text_; }
  // Raises Change when the text differs; the caret goes to the end.
  void SetText(const std::string& v);
  // The text as shown: one PasswordChar per character while PasswordChar is set.
  std::string DisplayText() const;

  int MaxLength() const { return maxLength_; }  // 0 = no limit
  void SetMaxLength(int v);
  const std::string& PasswordChar() const { return passwordChar_; }  // "" = plain
  void SetPasswordChar(const std::string& v);
  bool Locked() const { return locked_; }
  void SetLocked(bool v);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v);
  int Alignment() const { return alignment_; }
  void SetAlignment(int v);

  int SelStart() const { return selStart_; }
  void SetSelStart(int v);
  int SelLength() const { return selLength_; }
  void SetSelLength(int v);
  std::string SelText() const;
  // Replaces the selection (raises Change when that changes the text).
  void SetSelText(const std::string& v);

  bool CanTakeFocus() const override;

  std::function<void()> Change;
  std::function<void(int& keyAscii)> KeyPress;  // set keyAscii to 0 to swallow the key
  std::function<void()> Click;
  std::function<void()> DblClick;

  // Types each character through KeyPress and, unless swallowed, into the text (Change).
  void UserType(const std::string& text);
  // One key: Enter and Escape go to the form's Default and Cancel buttons when it has them,
  // Backspace deletes; any other code is typed.
  void UserKey(int keyAscii);
  // The whole text replaced at once (paste, back-end editing); Change when it differs.
  void UserSetText(const std::string& text);
  void UserSelect(int start, int length);
  void UserClick();
  void UserDoubleClick();

 private:
  void TypeOne(int keyAscii);
  void Replace(int start, int length, const std::string& with);

  std::string text_;
  int maxLength_ = 0;
  std::string passwordChar_;
  bool locked_ = false;
  bool multiLine_ = false;
  int alignment_ = 0;
  int selStart_ = 0;
  int selLength_ = 0;
};

}  // namespace forms
