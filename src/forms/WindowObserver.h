#pragma once

namespace forms {

class Control;
class Form;

// What a back end watches to mirror the runtime. Every call comes after the change; the back
// end reads the new state from the form or control itself.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;

  virtual void FormLoaded(Form& form) { (void)form; }
  // The window is about to be destroyed; its controls are still readable.
  virtual void FormUnloaded(Form& form) { (void)form; }
  // Caption, visibility, enabled state, geometry, pointer or another property of the window.
  virtual void FormChanged(Form& form) { (void)form; }
  virtual void ControlChanged(Control& control) { (void)control; }
  virtual void ActiveFormChanged(Form* active) { (void)active; }
  // The front-to-back order of the windows changed.
  virtual void ZOrderChanged() {}
  virtual void ScreenMousePointerChanged(int pointer) { (void)pointer; }
  // A control or window asked to be repainted at once.
  virtual void RefreshRequested(Form& form) { (void)form; }
};

}  // namespace forms
