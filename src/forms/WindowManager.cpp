#include "forms/WindowManager.h"

#include <algorithm>
#include <utility>

#include "forms/Form.h"
#include "forms/WindowObserver.h"

namespace forms {

WindowManager::WindowManager() = default;

WindowManager::~WindowManager() { discarded_.clear(); }

std::vector<Form*> WindowManager::VisibleForms() const {
  std::vector<Form*> visible;
  for (Form* f : forms_) {
    if (f->Visible()) visible.push_back(f);
  }
  return visible;
}

void WindowManager::SetMousePointer(int v) {
  if (mousePointer_ == v) return;
  mousePointer_ = v;
  if (observer_) observer_->ScreenMousePointerChanged(v);
}

void WindowManager::CollectDiscarded() {
  auto doomed = std::move(discarded_);
  discarded_.clear();
}

void WindowManager::Forget(Form& form) {
  auto it = std::find(forms_.begin(), forms_.end(), &form);
  if (it == forms_.end()) return;
  if (observer_) observer_->FormUnloaded(form);
  Dropped(form);
}

void WindowManager::Dropped(Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  if (active_ == &form) {
    active_ = nullptr;
    if (observer_) observer_->ActiveFormChanged(nullptr);
  }
}

void WindowManager::Loaded(Form& form) {
  forms_.push_back(&form);
  if (observer_) observer_->FormLoaded(form);
}

void WindowManager::Unloaded(Form& form, std::unique_ptr<Form> owned) {
  const bool wasActive = active_ == &form;
  if (observer_) observer_->FormUnloaded(form);
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  if (owned) discarded_.push_back(std::move(owned));
  if (wasActive) {
    active_ = nullptr;
    ActivateNext();
  }
}

void WindowManager::Shown(Form& form) {
  BringToFront(form);
  if (form.Enabled() && active_ != &form) Activate(form);
}

void WindowManager::Hidden(Form& form) {
  if (active_ != &form) return;
  active_ = nullptr;
  form.RaiseDeactivate();
  if (!active_) ActivateNext();
}

void WindowManager::BringToFront(Form& form) {
  auto it = std::find(forms_.begin(), forms_.end(), &form);
  if (it == forms_.end() || it == forms_.begin()) return;
  std::rotate(forms_.begin(), it, it + 1);
  if (observer_) observer_->ZOrderChanged();
}

void WindowManager::Activate(Form& form) {
  if (active_ == &form) return;
  Form* old = active_;
  active_ = &form;
  if (observer_) observer_->ActiveFormChanged(&form);
  if (old) old->RaiseDeactivate();
  if (active_ == &form) form.RaiseActivate();
}

void WindowManager::ActivateNext() {
  for (Form* f : forms_) {
    if (f->Visible() && f->Enabled()) {
      Activate(*f);
      return;
    }
  }
  if (observer_) observer_->ActiveFormChanged(nullptr);
}

void WindowManager::LeaveInput() {
  if (--inputDepth_ > 0) return;
  CollectDiscarded();
  for (const auto& done : std::exchange(actionEnds_, {})) done();
}

}  // namespace forms
