#include "forms/Form.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "forms/CommandButton.h"
#include "forms/Control.h"
#include "forms/Menu.h"
#include "forms/Runtime.h"
#include "forms/WindowManager.h"
#include "forms/WindowObserver.h"

namespace forms {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  out.erase(std::remove(out.begin(), out.end(), ' '), out.end());
  return out;
}

}  // namespace

Form::Form(Runtime& runtime, std::string name)
    : runtime_(runtime), windows_(runtime.Windows()), name_(std::move(name)) {}

Form::~Form() { windows_.Dropped(*this); }

bool Form::IsActive() const { return windows_.ActiveForm() == this; }

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  windows_.Loaded(*this);
  Form_Load();
}

void Form::Show() {
  Load();
  if (!loaded_) return;  // Form_Load unloaded it again
  if (!visible_) {
    visible_ = true;
    NotifyChanged();
  }
  windows_.Shown(*this);
}

void Form::Hide() {
  Load();
  if (!visible_) return;
  visible_ = false;
  NotifyChanged();
  windows_.Hidden(*this);
  // Shown again, the window starts at its first field, not on the button that hid it.
  if (Control* left = std::exchange(focus_, nullptr)) ControlChanged(*left);
}

bool Form::Unload() { return UnloadWith(vbFormCode); }

bool Form::UnloadWith(int unloadMode) {
  if (!loaded_ || unloading_) return true;
  int cancel = 0;
  {
    // A handler that unloads the window itself (its close steps do) must not start a second round.
    struct Guard {
      bool& flag;
      ~Guard() { flag = false; }
    } guard{unloading_};
    unloading_ = true;
    Form_QueryUnload(cancel, unloadMode);
    if (cancel == 0) Form_Unload(cancel);
  }
  if (cancel != 0) return false;
  if (!loaded_) return true;
  loaded_ = false;
  visible_ = false;
  focus_ = nullptr;
  std::unique_ptr<Form> owned;
  if (release_) {
    owned = release_();
    release_ = nullptr;
  }
  windows_.Unloaded(*this, std::move(owned));
  return true;
}

void Form::SetCaption(const std::string& v) {
  if (caption_ == v) return;
  caption_ = v;
  NotifyChanged();
}

void Form::SetVisible(bool v) {
  if (v) {
    Show();
  } else {
    Hide();
  }
}

void Form::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  NotifyChanged();
}

void Form::SetControlBox(bool v) {
  controlBox_ = v;
  NotifyChanged();
}

void Form::SetMinButton(bool v) {
  minButton_ = v;
  NotifyChanged();
}

void Form::SetMaxButton(bool v) {
  maxButton_ = v;
  NotifyChanged();
}

void Form::SetBorderStyle(int v) {
  borderStyle_ = v;
  NotifyChanged();
}

void Form::SetBackColor(Color v) {
  backColor_ = v;
  NotifyChanged();
}

void Form::SetMousePointer(int v) {
  if (mousePointer_ == v) return;
  mousePointer_ = v;
  NotifyChanged();
}

void Form::SetLeft(int v) { Move(v, top_, width_, height_); }
void Form::SetTop(int v) { Move(left_, v, width_, height_); }
void Form::SetWidth(int v) { Move(left_, top_, v, height_); }
void Form::SetHeight(int v) { Move(left_, top_, width_, v); }

void Form::Move(int left, int top, int width, int height) {
  if (left_ == left && top_ == top && width_ == width && height_ == height) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  NotifyChanged();
}

Control* Form::FindControl(std::string_view name, int index) const {
  for (Control* c : controls_) {
    if (c->Name() == name && c->Index() == index) return c;
  }
  return nullptr;
}

std::vector<Menu*> Form::MenuBar() const {
  std::vector<Menu*> bar;
  for (Control* c : controls_) {
    if (c->Kind() == ControlKind::Menu && c->Container() == nullptr)
      bar.push_back(static_cast<Menu*>(c));
  }
  return bar;
}

CommandButton* Form::DefaultButton() const {
  for (Control* c : controls_) {
    if (c->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->Default()) {
      return static_cast<CommandButton*>(c);
    }
  }
  return nullptr;
}

CommandButton* Form::CancelButton() const {
  for (Control* c : controls_) {
    if (c->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->Cancel()) {
      return static_cast<CommandButton*>(c);
    }
  }
  return nullptr;
}

void Form::PopupMenu(Menu& menu) {
  Menu* chosen = runtime_.Host().ShowPopupMenu(*this, menu);
  if (chosen && chosen->Enabled() && chosen->Visible() && !chosen->IsSeparator() && chosen->Click)
    chosen->Click();
}

void Form::Refresh() {
  if (auto* observer = windows_.Observer(); observer && loaded_) observer->RefreshRequested(*this);
}

void Form::UserClose() {
  UserInput input(*this);
  if (!input) return;
  if (controlBox_) {
    UnloadWith(vbFormControlMenu);
  } else if (wayOut_) {
    wayOut_->UserClick();
  } else if (CommandButton* cancel = CancelButton()) {
    cancel->UserClick();
  }
}

void Form::UserActivate() {
  UserInput input(*this);
  if (!input) return;
  windows_.BringToFront(*this);
  if (!IsActive()) windows_.Activate(*this);
}

bool Form::UserShortcut(std::string_view keys) {
  const std::string wanted = Lower(keys);
  for (Control* c : controls_) {
    if (c->Kind() != ControlKind::Menu) continue;
    auto* menu = static_cast<Menu*>(c);
    if (menu->Shortcut().empty() || Lower(menu->Shortcut()) != wanted || !menu->AcceptsInput())
      continue;
    menu->UserClick();
    return true;
  }
  return false;
}

void Form::UserTab(bool backwards) {
  UserInput input(*this);
  if (!input || controls_.empty()) return;
  const int count = static_cast<int>(controls_.size());
  const int step = backwards ? count - 1 : 1;
  const int start = focus_ ? focus_->TabIndex() : (backwards ? 0 : count - 1);
  for (int n = 1; n <= count; ++n) {
    Control* c = controls_[static_cast<size_t>((start + n * step) % count)];
    if (c->CanTakeFocus() && c->TabStop() && c->AcceptsInput()) {
      c->UserFocus();
      return;
    }
  }
}

void Form::UserMove(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

int Form::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  return runtime_.MsgBox(prompt, buttons, title);
}

std::string Form::InputBox(const std::string& prompt, const std::string& title,
                           const std::string& defaultText) {
  return runtime_.InputBox(prompt, title, defaultText);
}

void Form::DoEvents() { runtime_.DoEvents(); }

void Form::Register(Control& control) {
  control.tabIndex_ = static_cast<int>(controls_.size());
  control.zPosition_ = NextZPosition(true);
  controls_.push_back(&control);
}

void Form::SetFocusTo(Control& control) {
  if (focus_ == &control) return;
  Control* old = focus_;
  focus_ = &control;
  if (old) ControlChanged(*old);
  ControlChanged(control);
  if (!IsActive()) return;
  if (old && old->LostFocus) old->LostFocus();
  if (focus_ == &control && control.GotFocus) control.GotFocus();
}

void Form::ControlChanged(Control& control) {
  if (auto* observer = windows_.Observer(); observer && loaded_) observer->ControlChanged(control);
}

void Form::NotifyChanged() {
  if (auto* observer = windows_.Observer(); observer && loaded_) observer->FormChanged(*this);
}

void Form::RaiseActivate() {
  Form_Activate();
  if (!IsActive()) return;
  if (!focus_ || !focus_->AcceptsInput()) {
    focus_ = nullptr;
    for (Control* c : controls_) {
      if (c->CanTakeFocus() && c->TabStop() && c->AcceptsInput()) {
        focus_ = c;
        ControlChanged(*c);
        break;
      }
    }
  }
  if (focus_ && focus_->GotFocus) focus_->GotFocus();
}

void Form::RaiseDeactivate() {
  if (focus_ && focus_->LostFocus) focus_->LostFocus();
  Form_Deactivate();
}

int Form::NextZPosition(bool front) { return front ? ++zFront_ : --zBack_; }

}  // namespace forms
