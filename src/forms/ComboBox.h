#pragma once

#include "forms/EditField.h"
#include "forms/ListItems.h"

namespace forms {

constexpr int vbComboDropdown = 0;      // list with an edit field
constexpr int vbComboDropdownList = 2;  // only the list's entries can be chosen

// With an edit field it edits as a text box does (no length limit); limited to its list, the field
// only shows the chosen entry and a typed key runs KeyPress alone.
class ComboBox : public EditField {
 public:
  ComboBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  ComboBox(Form& form, std::string name, Control& container)
      : ComboBox(form, std::move(name), &container) {}

  int Style() const { return style_; }
  void SetStyle(int v);

  void AddItem(const std::string& text, int index = -1);
  void RemoveItem(int index);
  // Empties the list and the edit field; raises no event.
  void Clear();
  int ListCount() const { return items_.Count(); }
  const std::string& List(int index) const { return items_.Text(index); }
  void SetList(int index, const std::string& v);
  long ItemData(int index) const { return items_.Data(index); }
  void SetItemData(int index, long v) { items_.SetData(index, v); }
  int NewIndex() const { return newIndex_; }

  int ListIndex() const { return listIndex_; }
  // Selects an entry (-1 none): the text becomes the entry's, Click is raised when the position
  // changes. Throws forms::Error for a position outside the list.
  void SetListIndex(int index);

  // With an edit field: sets the text (Change when it differs). Drop-down list: selects the equal
  // entry, throwing forms::Error when there is none.
  void SetText(const std::string& v);

  bool CanTakeFocus() const override;

  std::function<void()> Click;
  std::function<void()> DblClick;

  // Picks entry index from the list (Click when the position changes).
  void UserSelect(int index);

 protected:
  bool Editable() const override { return style_ != vbComboDropdownList; }
  // Text the user edits is no entry of the list any more.
  void Edited() override;

 private:
  ListItems items_;
  int style_ = vbComboDropdown;
  int listIndex_ = -1;
  int newIndex_ = -1;
};

}  // namespace forms
