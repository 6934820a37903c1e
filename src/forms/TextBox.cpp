#include "forms/TextBox.h"

#include <algorithm>

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Keys.h"
#include "text/Utf8.h"

namespace forms {

namespace {

int Characters(const std::string& s) { return static_cast<int>(text::Length(s)); }

}  // namespace

TextBox::TextBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::TextBox, std::move(name), container, index) {
  SetBackColor(vbWindowBackground);
}

void TextBox::SetText(const std::string& v) {
  const bool differs = text_ != v;
  text_ = v;
  selStart_ = Characters(text_);
  selLength_ = 0;
  Changed();
  if (differs && Change) Change();
}

std::string TextBox::DisplayText() const {
  if (passwordChar_.empty()) return text_;
  std::string shown;
  for (int i = Characters(text_); i > 0; --i) shown += passwordChar_;
  return shown;
}

void TextBox::SetMaxLength(int v) { Update(maxLength_, v); }
void TextBox::SetPasswordChar(const std::string& v) { Update(passwordChar_, v); }
void TextBox::SetLocked(bool v) { Update(locked_, v); }
void TextBox::SetMultiLine(bool v) { Update(multiLine_, v); }
void TextBox::SetAlignment(int v) { Update(alignment_, v); }

void TextBox::SetSelStart(int v) {
  selStart_ = std::clamp(v, 0, Characters(text_));
  selLength_ = 0;
  Changed();
}

void TextBox::SetSelLength(int v) {
  selLength_ = std::clamp(v, 0, Characters(text_) - selStart_);
  Changed();
}

std::string TextBox::SelText() const {
  const std::size_t from = text::Offset(text_, static_cast<std::size_t>(selStart_));
  return text::FirstCharacters(std::string_view(text_).substr(from),
                               static_cast<std::size_t>(selLength_));
}

void TextBox::SetSelText(const std::string& v) { Replace(selStart_, selLength_, v); }

void TextBox::Replace(int start, int length, const std::string& with) {
  std::u32string points = text::Decode(text_);
  const std::u32string inserted = text::Decode(with);
  points.erase(points.begin() + start, points.begin() + start + length);
  points.insert(points.begin() + start, inserted.begin(), inserted.end());
  const std::string next = text::Encode(points);
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
  if (maxLength_ > 0 && Characters(text_) - selLength_ >= maxLength_) return;
  Replace(selStart_, selLength_,
          keyAscii == vbKeyReturn ? std::string("\r\n")
                                  : text::Encode(static_cast<char32_t>(keyAscii)));
}

void TextBox::UserType(const std::string& text) {
  UserInput input(*this);
  if (!input) return;
  for (char32_t cp : text::Decode(text)) {
    if (!AcceptsInput()) return;
    TypeOne(static_cast<int>(cp));
  }
}

void TextBox::UserKey(int keyAscii) {
  UserInput input(*this);
  if (input) TypeOne(keyAscii);
}

void TextBox::UserSetText(const std::string& text) {
  UserInput input(*this);
  if (!input || locked_) return;
  const std::string next =
      maxLength_ > 0 ? text::FirstCharacters(text, static_cast<std::size_t>(maxLength_)) : text;
  Replace(0, Characters(text_), next);
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
