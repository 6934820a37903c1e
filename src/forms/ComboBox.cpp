#include "forms/ComboBox.h"

#include "forms/Error.h"

namespace forms {

ComboBox::ComboBox(Form& form, std::string name, Control* container, int index)
    : EditField(form, ControlKind::ComboBox, std::move(name), container, index) {
  SetBackColor(vbWindowBackground);
}

void ComboBox::SetStyle(int v) { Update(style_, v); }

void ComboBox::AddItem(const std::string& text, int index) {
  newIndex_ = items_.Add(text, index);
  if (listIndex_ >= newIndex_ && index >= 0) ++listIndex_;
  Changed();
}

void ComboBox::RemoveItem(int index) {
  items_.Remove(index);
  if (listIndex_ == index) {
    listIndex_ = -1;
    if (style_ == vbComboDropdownList) StoreText("");
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  Changed();
}

void ComboBox::Clear() {
  items_.Clear();
  listIndex_ = -1;
  newIndex_ = -1;
  StoreText("");
}

void ComboBox::SetList(int index, const std::string& v) {
  items_.SetText(index, v);
  if (index == listIndex_) StoreText(v);
  Changed();
}

void ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount())
    throw Error("Invalid property value: " + Name() + ".ListIndex");
  if (index == listIndex_) return;
  listIndex_ = index;
  StoreText(index >= 0 ? items_.Text(index) : std::string());
  if (Click) Click();
}

void ComboBox::SetText(const std::string& v) {
  if (style_ == vbComboDropdownList) {
    const int found = items_.Find(v);
    if (found < 0 && !v.empty()) throw Error("'Text' property is read-only: " + Name());
    SetListIndex(found);
    return;
  }
  SetEditText(v);
}

bool ComboBox::CanTakeFocus() const { return true; }

void ComboBox::UserSelect(int index) {
  UserInput input(*this);
  if (input && !Locked()) SetListIndex(index);
}

void ComboBox::Edited() {
  if (listIndex_ == -1) return;
  listIndex_ = -1;
  Changed();
}

}  // namespace forms
