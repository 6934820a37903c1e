#include "forms/Control.h"

#include <utility>

#include "forms/Error.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/WindowObserver.h"

namespace forms {

Control::Control(Form& form, ControlKind kind, std::string name, Control* container, int index)
    : form_(form), kind_(kind), name_(std::move(name)), container_(container), index_(index) {
  form_.Register(*this);
}

void Control::SetTabStop(bool v) { Update(tabStop_, v); }
void Control::SetEnabled(bool v) { Update(enabled_, v); }
void Control::SetVisible(bool v) { Update(visible_, v); }
void Control::SetForeColor(Color c) { Update(foreColor_, c); }
void Control::SetBackColor(Color c) { Update(backColor_, c); }
void Control::SetFont(const forms::Font& f) { Update(font_, f); }
void Control::SetFontName(const std::string& v) { Update(font_.Name, v); }
void Control::SetFontSize(double v) { Update(font_.Size, v); }
void Control::SetFontBold(bool v) { Update(font_.Bold, v); }
void Control::SetFontItalic(bool v) { Update(font_.Italic, v); }
void Control::SetFontUnderline(bool v) { Update(font_.Underline, v); }
void Control::SetToolTipText(const std::string& v) { Update(toolTipText_, v); }
void Control::SetLeft(int v) { Update(left_, v); }
void Control::SetTop(int v) { Update(top_, v); }
void Control::SetWidth(int v) { Update(width_, v); }
void Control::SetHeight(int v) { Update(height_, v); }

void Control::Move(int left, int top, int width, int height) {
  if (left_ == left && top_ == top && width_ == width && height_ == height) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed();
}

void Control::ZOrder(int position) { Update(zPosition_, form_.NextZPosition(position == 0)); }

void Control::SetFocus() {
  for (const Control* c = this; c; c = c->container_) {
    if (!c->enabled_ || !c->visible_)
      throw Error("Invalid procedure call: " + name_ + " cannot take the focus");
  }
  if (!CanTakeFocus()) throw Error("Invalid procedure call: " + name_ + " cannot take the focus");
  form_.SetFocusTo(*this);
}

bool Control::HasFocus() const { return form_.ActiveControl() == this; }

void Control::Refresh() {
  if (auto* observer = form_.Rt().Windows().Observer(); observer && form_.IsLoaded())
    observer->RefreshRequested(form_);
}

void Control::UserFocus() { UserInput input(*this); }

bool Control::AcceptsInput() const {
  for (const Control* c = this; c; c = c->container_) {
    if (!c->enabled_ || !c->visible_) return false;
  }
  return form_.IsLoaded() && form_.Visible() && form_.Enabled();
}

void Control::Changed() { form_.ControlChanged(*this); }

UserInput::UserInput(Control& control, bool takeFocus, bool activate)
    : windows_(control.Parent().Rt().Windows()) {
  windows_.EnterInput();
  if (!control.AcceptsInput()) return;
  Form& form = control.Parent();
  if (activate && !form.IsActive()) form.UserActivate();
  if (!control.AcceptsInput()) return;
  if (takeFocus && control.CanTakeFocus() && !control.HasFocus()) control.SetFocus();
  accepted_ = control.AcceptsInput();
}

UserInput::UserInput(Form& form) : windows_(form.Rt().Windows()) {
  windows_.EnterInput();
  accepted_ = form.IsLoaded() && form.Visible() && form.Enabled();
}

UserInput::~UserInput() { windows_.LeaveInput(); }

}  // namespace forms
