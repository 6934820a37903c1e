#include "forms/ListBox.h"

#include <algorithm>

#include "forms/Error.h"
#include "forms/Keys.h"

namespace forms {

ListBox::ListBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::ListBox, std::move(name), container, index) {
  SetBackColor(vbWindowBackground);
}

void ListBox::SetMultiSelect(int v) { Update(multiSelect_, v); }

void ListBox::CheckIndex(int index) const {
  if (index < 0 || index >= ListCount())
    throw Error("Invalid property array index: " + std::to_string(index));
}

void ListBox::AddItem(const std::string& text, int index) {
  newIndex_ = items_.Add(text, index);
  selected_.insert(selected_.begin() + newIndex_, false);
  if (listIndex_ >= newIndex_ && index >= 0) ++listIndex_;
  Changed();
}

void ListBox::RemoveItem(int index) {
  items_.Remove(index);
  selected_.erase(selected_.begin() + index);
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  Changed();
}

void ListBox::Clear() {
  items_.Clear();
  selected_.clear();
  listIndex_ = -1;
  newIndex_ = -1;
  topIndex_ = 0;
  anchor_ = -1;
  Changed();
}

void ListBox::SetList(int index, const std::string& v) {
  items_.SetText(index, v);
  Changed();
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount())
    throw Error("Invalid property value: " + Name() + ".ListIndex");
  if (index == listIndex_) return;
  listIndex_ = index;
  if (multiSelect_ == vbMultiSelectNone) {
    std::fill(selected_.begin(), selected_.end(), false);
    if (index >= 0) selected_[static_cast<size_t>(index)] = true;
  }
  Changed();
  if (Click) Click();
}

bool ListBox::Selected(int index) const {
  CheckIndex(index);
  return selected_[static_cast<size_t>(index)];
}

void ListBox::SetSelected(int index, bool v) {
  CheckIndex(index);
  if (multiSelect_ == vbMultiSelectNone) {
    if (v) {
      SetListIndex(index);
    } else if (listIndex_ == index) {
      SetListIndex(-1);
    }
    return;
  }
  if (selected_[static_cast<size_t>(index)] == v) return;
  selected_[static_cast<size_t>(index)] = v;
  listIndex_ = index;
  Changed();
  if (Click) Click();
}

int ListBox::SelCount() const {
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

std::string ListBox::Text() const {
  return listIndex_ >= 0 ? items_.Text(listIndex_) : std::string();
}

void ListBox::SetTopIndex(int v) { Update(topIndex_, v); }

bool ListBox::CanTakeFocus() const { return true; }

void ListBox::UserClick(int index, int shift) {
  UserInput input(*this);
  if (!input) return;
  CheckIndex(index);
  if (multiSelect_ == vbMultiSelectNone) {
    SetListIndex(index);
    return;
  }
  if (multiSelect_ == vbMultiSelectSimple || (shift & vbCtrlMask)) {
    selected_[static_cast<size_t>(index)] = !selected_[static_cast<size_t>(index)];
    anchor_ = index;
  } else {
    const int from = (shift & vbShiftMask) && anchor_ >= 0 ? std::min(anchor_, index) : index;
    const int to = (shift & vbShiftMask) && anchor_ >= 0 ? std::max(anchor_, index) : index;
    for (int i = 0; i < ListCount(); ++i) selected_[static_cast<size_t>(i)] = i >= from && i <= to;
    if (!(shift & vbShiftMask)) anchor_ = index;
  }
  listIndex_ = index;
  Changed();
  if (Click) Click();
}

void ListBox::UserDoubleClick(int index) {
  UserInput input(*this);
  if (!input) return;
  UserClick(index);
  if (AcceptsInput() && DblClick) DblClick();
}

}  // namespace forms
