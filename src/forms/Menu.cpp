#include "forms/Menu.h"

#include "forms/Form.h"

namespace forms {

Menu::Menu(Form& form, std::string name, Menu* parent, int index)
    : Control(form, ControlKind::Menu, std::move(name), parent, index) {
  SetTabStop(false);
}

void Menu::SetCaption(const std::string& v) { Update(caption_, v); }
void Menu::SetShortcut(const std::string& v) { Update(shortcut_, v); }
void Menu::SetChecked(bool v) { Update(checked_, v); }

Menu* Menu::ParentMenu() const { return static_cast<Menu*>(Container()); }

std::vector<Menu*> Menu::Items() const {
  std::vector<Menu*> items;
  for (Control* c : Parent().Controls()) {
    if (c->Kind() == ControlKind::Menu && c->Container() == this)
      items.push_back(static_cast<Menu*>(c));
  }
  return items;
}

void Menu::UserClick() {
  UserInput input(*this, false);
  if (input && !IsSeparator() && Click) Click();
}

}  // namespace forms
