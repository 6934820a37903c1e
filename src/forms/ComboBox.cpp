#include "forms/ComboBox.h"

#include "forms/Error.h"
#include "forms/Keys.h"
#include "text/Utf8.h"

namespace forms {

ComboBox::ComboBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::ComboBox, std::move(name), container, index) {
  SetBackColor(vbWindowBackground);
}

void ComboBox::SetStyle(int v) { Update(style_, v); }
void ComboBox::SetLocked(bool v) { Update(locked_, v); }

void ComboBox::AddItem(const std::string& text, int index) {
  newIndex_ = items_.Add(text, index);
  if (listIndex_ >= newIndex_ && index >= 0) ++listIndex_;
  Changed();
}

void ComboBox::RemoveItem(int index) {
  items_.Remove(index);
  if (listIndex_ == index) {
    listIndex_ = -1;
    if (style_ == vbComboDropdownList) text_.clear();
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  Changed();
}

void ComboBox::Clear() {
  items_.Clear();
  listIndex_ = -1;
  newIndex_ = -1;
  text_.clear();
  Changed();
}

void ComboBox::SetList(int index, const std::string& v) {
  items_.SetText(index, v);
  if (index == listIndex_) text_ = v;
  Changed();
}

void ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount())
    throw Error("Invalid property value: " + Name() + ".ListIndex");
  if (index == listIndex_) return;
  listIndex_ = index;
  text_ = index >= 0 ? items_.Text(index) : std::string();
  Changed();
  if (Click) Click();
}

void ComboBox::SetText(const std::string& v) {
  if (style_ == vbComboDropdownList) {
    const int found = items_.Find(v);
    if (found < 0 && !v.empty()) throw Error("'Text' property is read-only: " + Name());
    SetListIndex(found);
    return;
  }
  EditText(v);
}

void ComboBox::EditText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Changed();
  if (Change) Change();
}

bool ComboBox::CanTakeFocus() const { return true; }

void ComboBox::UserSelect(int index) {
  UserInput input(*this);
  if (input && !locked_) SetListIndex(index);
}

void ComboBox::UserType(const std::string& text) {
  UserInput input(*this);
  if (!input) return;
  for (char32_t cp : text::Decode(text)) {
    if (!AcceptsInput()) return;
    UserKey(static_cast<int>(cp));
  }
}

void ComboBox::UserKey(int keyAscii) {
  UserInput input(*this);
  if (!input) return;
  if (KeyPress) KeyPress(keyAscii);
  if (keyAscii == 0 || locked_ || style_ == vbComboDropdownList || !AcceptsInput()) return;
  std::u32string points = text::Decode(text_);
  if (keyAscii == vbKeyBack) {
    if (points.empty()) return;
    points.pop_back();
  } else if (keyAscii >= 32) {
    points.push_back(static_cast<char32_t>(keyAscii));
  } else {
    return;
  }
  if (listIndex_ != -1) {
    listIndex_ = -1;
    Changed();
  }
  EditText(text::Encode(points));
}

void ComboBox::UserSetText(const std::string& text) {
  UserInput input(*this);
  if (!input || locked_ || style_ == vbComboDropdownList) return;
  if (listIndex_ != -1) listIndex_ = -1;
  EditText(text);
}

}  // namespace forms
