#pragma once

#include <vector>

#include "forms/Control.h"
#include "forms/ListItems.h"

namespace forms {

constexpr int vbMultiSelectNone = 0;
constexpr int vbMultiSelectSimple = 1;    // a click toggles an entry
constexpr int vbMultiSelectExtended = 2;  // a click selects one entry, Ctrl toggles, Shift extends

class ListBox : public Control {
 public:
  ListBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  ListBox(Form& form, std::string name, Control& container)
      : ListBox(form, std::move(name), &container) {}

  int MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(int v);

  void AddItem(const std::string& text, int index = -1);
  void RemoveItem(int index);
  // Empties the list; raises no event.
  void Clear();
  int ListCount() const { return items_.Count(); }
  const std::string& List(int index) const { return items_.Text(index); }
  void SetList(int index, const std::string& v);
  long ItemData(int index) const { return items_.Data(index); }
  void SetItemData(int index, long v) { items_.SetData(index, v); }
  int NewIndex() const { return newIndex_; }

  // The entry with the caret (single selection: the selected entry); -1 none.
  int ListIndex() const { return listIndex_; }
  // Raises Click when the position changes; in single selection the entry becomes the selected one.
  void SetListIndex(int index);
  bool Selected(int index) const;
  // Raises Click when the state changes.
  void SetSelected(int index, bool v);
  int SelCount() const;
  // Text of the entry at ListIndex, "" when none.
  std::string Text() const;
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int v);

  bool CanTakeFocus() const override;

  std::function<void()> Click;
  std::function<void()> DblClick;

  // A click on entry index; shift takes vbShiftMask / vbCtrlMask for extended selection.
  void UserClick(int index, int shift = 0);
  // Click, then DblClick.
  void UserDoubleClick(int index);

 private:
  void CheckIndex(int index) const;

  ListItems items_;
  std::vector<bool> selected_;
  int multiSelect_ = vbMultiSelectNone;
  int listIndex_ = -1;
  int newIndex_ = -1;
  int topIndex_ = 0;
  int anchor_ = -1;
};

}  // namespace forms
