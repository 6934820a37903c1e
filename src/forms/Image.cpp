#include "forms/Image.h"

namespace forms {

Image::Image(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::Image, std::move(name), container, index) {
  SetTabStop(false);
}

void Image::SetPicture(const std::string& v) { Update(picture_, v); }
void Image::SetStretch(bool v) { Update(stretch_, v); }

void Image::UserClick() {
  UserInput input(*this);
  if (input && Click) Click();
}

void Image::UserDoubleClick() {
  UserInput input(*this);
  if (!input) return;
  if (Click) Click();
  if (AcceptsInput() && DblClick) DblClick();
}

}  // namespace forms
