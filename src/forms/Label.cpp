#include "forms/Label.h"

namespace forms {

Label::Label(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::Label, std::move(name), container, index) {
  SetTabStop(false);
}

void Label::SetCaption(const std::string& v) { Update(caption_, v); }
void Label::SetAlignment(int v) { Update(alignment_, v); }
void Label::SetAutoSize(bool v) { Update(autoSize_, v); }
void Label::SetWordWrap(bool v) { Update(wordWrap_, v); }
void Label::SetBackStyle(int v) { Update(backStyle_, v); }
void Label::SetBorderStyle(int v) { Update(borderStyle_, v); }

void Label::UserClick() {
  UserInput input(*this);
  if (input && Click) Click();
}

void Label::UserDoubleClick() {
  UserInput input(*this);
  if (!input) return;
  if (Click) Click();
  if (AcceptsInput() && DblClick) DblClick();
}

}  // namespace forms
