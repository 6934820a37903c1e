#include "forms/TextBox.h"

#include <algorithm>

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Keys.h"
#include "forms/Utf8.h"

namespace forms {

TextBox::TextBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::TextBox, std::move(name), container, index) {
  SetBackColor(vbWindowBackground);
}

void TextBox::SetText(const std::string& v) {
  const bool differs = text_ != v;
  text_ = v;
  selStart_ = utf8::Length(text_);
  selLength_ = 0;
  Changed();
  if (differs && Change) Change();
}

std::string TextBox::DisplayText() const {
  if (passwordChar_.empty()) return text_;
  std::string shown;
  for (int i = utf8::Length(text_); i > 0; --i) shown += passwordChar_;
  return shown;
}

void TextBox::SetMaxLength(int v) { Update(maxLength_, v); }
void TextBox::SetPasswordChar(const std::string& v) { Update(passwordChar_, v); }
void TextBox::SetLocked(bool v) { Update(locked_, v); }
void TextBox::SetMultiLine(bool v) { Update(multiLine_, v); }
void TextBox::SetAlignment(int v) { Update(alignment_, v); }

void TextBox::SetSelStart(int v) {
  selStart_ = std::clamp(v, 0, utf8::Length(text_));
  selLength_ = 0;
  Changed();
}

void TextBox::SetSelLength(int v) {
  selLength_ = std::clamp(v, 0, utf8::Length(text_) - selStart_);
  Changed();
}

std::string TextBox::SelText() const {
  const auto points = utf8::Decode(text_);
  return utf8::Encode(
      std::vector<int>(points.begin() + selStart_, points.begin() + selStart_ + selLength_));
}

void TextBox::SetSelText(const std::string& v) { Replace(selStart_, selLength_, v); }

void TextBox::Replace(int start, int length, const std::string& with) {
  auto points = utf8::Decode(text_);
  const auto inserted = utf8::Decode(with);
  points.erase(points.begin() + start, points.begin() + start + length);
  points.insert(points.begin() + start, inserted.begin(), inserted.end());
  const std::string next = utf8::Encode(points);
  const bool differs = next != text_;
  text_ = next;
  selStart_ = start + static_cast<int>(inserted.size());
  selLength_ = 0;
  Changed();
  if (differs && Change) Change();
}

bool TextBox::CanTakeFocus() const { return true; }

void TextBox::TypeOne(int keyAscii) {
  if (keyAscii == vbKeyReturn && !multiLine_) {
    if (CommandButton* button = Parent().DefaultButton(); button && button->AcceptsInput()) {
      button->UserClick();
      return;
    }
  }
  if (keyAscii == vbKeyEscape) {
    if (CommandButton* button = Parent().CancelButton(); button && button->AcceptsInput()) {
      button->UserClick();
      return;
    }
  }
  if (KeyPress) KeyPress(keyAscii);
  if (keyAscii == 0 || locked_ || !AcceptsInput()) return;
  if (keyAscii == vbKeyBack) {
    if (selLength_ > 0) {
      Replace(selStart_, selLength_, "");
    } else if (selStart_ > 0) {
      Replace(selStart_ - 1, 1, "");
    }
    return;
  }
  if (keyAscii < 32 && !(multiLine_ && keyAscii == vbKeyReturn)) return;
  if (maxLength_ > 0 && utf8::Length(text_) - selLength_ >= maxLength_) return;
  Replace(selStart_, selLength_,
          keyAscii == vbKeyReturn ? std::string("\r\n") : utf8::Encode(keyAscii));
}

void TextBox::UserType(const std::string& text) {
  UserInput input(*this);
  if (!input) return;
  for (int cp : utf8::Decode(text)) {
    if (!AcceptsInput()) return;
    TypeOne(cp);
  }
}

void TextBox::UserKey(int keyAscii) {
  UserInput input(*this);
  if (input) TypeOne(keyAscii);
}

void TextBox::UserSetText(const std::string& text) {
  UserInput input(*this);
  if (!input || locked_) return;
  std::string next = text;
  if (maxLength_ > 0) {
    auto points = utf8::Decode(next);
    if (static_cast<int>(points.size()) > maxLength_)
      points.resize(static_cast<size_t>(maxLength_));
    next = utf8::Encode(points);
  }
  Replace(0, utf8::Length(text_), next);
}

void TextBox::UserSelect(int start, int length) {
  UserInput input(*this);
  if (!input) return;
  SetSelStart(start);
  SetSelLength(length);
}

void TextBox::UserClick() {
  UserInput input(*this);
  if (input && Click) Click();
}

void TextBox::UserDoubleClick() {
  UserInput input(*this);
  if (!input) return;
  if (Click) Click();
  if (AcceptsInput() && DblClick) DblClick();
}

}  // namespace forms
