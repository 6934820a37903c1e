#include "forms/TextBox.h"

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Keys.h"
#include "text/Utf8.h"

namespace forms {

TextBox::TextBox(Form& form, std::string name, Control* container, int index)
    : EditField(form, ControlKind::TextBox, std::move(name), container, index) {
  SetBackColor(vbWindowBackground);
}

std::string TextBox::DisplayText() const {
  if (passwordChar_.empty()) return Text();
  std::string shown;
  for (auto i = text::Length(Text()); i > 0; --i) shown += passwordChar_;
  return shown;
}

void TextBox::SetMaxLength(int v) { Update(maxLength_, v); }
void TextBox::SetPasswordChar(const std::string& v) { Update(passwordChar_, v); }
void TextBox::SetMultiLine(bool v) { Update(multiLine_, v); }
void TextBox::SetAlignment(int v) { Update(alignment_, v); }

bool TextBox::CanTakeFocus() const { return true; }

bool TextBox::ClickedButtonFor(int keyAscii) {
  CommandButton* button = nullptr;
  if (keyAscii == vbKeyReturn && !multiLine_) button = Parent().DefaultButton();
  if (keyAscii == vbKeyEscape) button = Parent().CancelButton();
  if (!button || !button->AcceptsInput()) return false;
  button->UserClick();
  return true;
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
