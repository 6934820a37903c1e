#pragma once
// Mirrors the runtime's windows as Qt top-level windows: creates, updates, stacks, activates and
// discards them as the window manager reports, and carries the input that belongs to no single
// control (menu shortcut keys, input to disabled windows, failures of event handlers).
#include <QObject>
#include <QPointer>
#include <functional>
#include <unordered_map>
#include <vector>

#include "forms/Runtime.h"
#include "forms/WindowObserver.h"

class QWidget;

namespace forms::qt {

class FormWindow;

class WindowHost : public QObject, public WindowObserver {
 public:
  explicit WindowHost(Runtime& runtime);
  ~WindowHost() override;
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;

  Runtime& Rt() const { return runtime_; }
  FormWindow* WindowOf(const Form& form) const;
  QWidget* WidgetOf(const Control& control) const;
  // The window of the runtime's active form, the natural parent of a dialog; nullptr when none
  // shows.
  QWidget* ActiveWindow() const;
  // The window a window that opens now comes from: the active one, else the front-most shown;
  // nullptr for the first window.
  FormWindow* OpenerOf(const FormWindow& opening) const;

  // Runs user input that enters the runtime. A failure the handlers leave unhandled is shown in a
  // message box instead of ending the program; windows unloaded meanwhile are deleted only after
  // the outermost input, since their widgets may still be handling it. When the input leaves no
  // window shown and the program has not ended, it ends now.
  void Dispatch(const std::function<void()>& input);
  // After Qt activated a window the runtime cannot activate (a disabled one), the runtime's active
  // window comes forward again.
  void ReactivateLater();

  void FormLoaded(Form& form) override;
  void FormUnloaded(Form& form) override;
  void FormChanged(Form& form) override;
  void ControlChanged(Control& control) override;
  void ActiveFormChanged(Form* active) override;
  void ZOrderChanged() override;
  void ScreenMousePointerChanged(int pointer) override;
  void RefreshRequested(Form& form) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ReleaseDoomed();

  Runtime& runtime_;
  std::unordered_map<const Form*, FormWindow*> windows_;
  std::vector<QPointer<FormWindow>> doomed_;
  int depth_ = 0;
  bool busy_ = false;
};

}  // namespace forms::qt
