#pragma once

#include <vector>

#include "forms/Control.h"

namespace forms {

// A menu entry. Top-level entries form the menu bar; an entry built with a parent menu is one of
// its items. A caption of "-" is a separator.
class Menu : public Control {
 public:
  Menu(Form& form, std::string name, Menu* parent = nullptr, int index = -1);
  Menu(Form& form, std::string name, Menu& parent) : Menu(form, std::move(name), &parent) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  // Written as "Ctrl+L", "Ctrl+Shift+X", "F12"; "" = none.
  const std::string& Shortcut() const { return shortcut_; }
  void SetShortcut(const std::string& v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool IsSeparator() const { return caption_ == "-"; }

  Menu* ParentMenu() const;
  std::vector<Menu*> Items() const;

  // Clicked entries of a disabled or hidden menu (or of a disabled form) do nothing.
  std::function<void()> Click;

  void UserClick();

 private:
  std::string caption_;
  std::string shortcut_;
  bool checked_ = false;
};

}  // namespace forms
