#include "forms/Frame.h"

namespace forms {

Frame::Frame(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::Frame, std::move(name), container, index) {
  SetTabStop(false);
}

void Frame::SetCaption(const std::string& v) { Update(caption_, v); }
void Frame::SetBorderStyle(int v) { Update(borderStyle_, v); }

}  // namespace forms
