#include "forms/CommandButton.h"

namespace forms {

CommandButton::CommandButton(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::CommandButton, std::move(name), container, index) {}

void CommandButton::SetCaption(const std::string& v) { Update(caption_, v); }
void CommandButton::SetDefault(bool v) { Update(default_, v); }
void CommandButton::SetCancel(bool v) { Update(cancel_, v); }
void CommandButton::SetStyle(int v) { Update(style_, v); }

bool CommandButton::CanTakeFocus() const { return true; }

void CommandButton::UserClick() {
  UserInput input(*this);
  if (input && Click) Click();
}

}  // namespace forms
