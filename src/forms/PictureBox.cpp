#include "forms/PictureBox.h"

namespace forms {

PictureBox::PictureBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::PictureBox, std::move(name), container, index) {}

void PictureBox::SetPicture(const std::string& v) { Update(picture_, v); }
void PictureBox::SetBorderStyle(int v) { Update(borderStyle_, v); }

bool PictureBox::CanTakeFocus() const { return true; }

void PictureBox::UserClick() {
  UserInput input(*this);
  if (input && Click) Click();
}

}  // namespace forms
