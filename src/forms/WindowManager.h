#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace forms {

class Form;
class WindowObserver;

// The program's windows, front to back, and the active one. One per program, owned by the
// program state through its Runtime.
//
// Rules: Show brings a window to the front and makes it active when it is enabled. When the
// active window hides or unloads, the front-most visible, enabled window becomes active
// (Form_Activate). A disabled window never becomes active, and enabling one does not activate it;
// disabling the active window leaves it active but deaf to input, as Windows does.
class WindowManager {
 public:
  WindowManager();
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  Form* ActiveForm() const { return active_; }
  // Loaded windows, front-most first (hidden ones included).
  const std::vector<Form*>& Forms() const { return forms_; }
  // Visible windows, front-most first.
  std::vector<Form*> VisibleForms() const;

  // Screen.MousePointer: vbDefault, or vbHourglass while the program is busy.
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int v);

  void SetObserver(WindowObserver* observer) { observer_ = observer; }
  WindowObserver* Observer() const { return observer_; }

  // Destroys the windows unloaded so far. Runs by itself when the outermost user action ends.
  void CollectDiscarded();

  // Whether a user action (a click, a key, a pointer step, with all it runs and waits for) is
  // under way.
  bool InUserAction() const { return inputDepth_ > 0; }
  // Runs done once, when the user action under way ends.
  void AtEndOfUserAction(std::function<void()> done) { actionEnds_.push_back(std::move(done)); }

  // Drops a window without running its handlers.
  void Forget(Form& form);

 private:
  friend class Form;
  friend class UserInput;

  void Loaded(Form& form);
  void Unloaded(Form& form, std::unique_ptr<Form> owned);
  void Shown(Form& form);
  void Hidden(Form& form);
  void BringToFront(Form& form);
  void Activate(Form& form);
  void ActivateNext();
  void Dropped(Form& form);
  void EnterInput() { ++inputDepth_; }
  void LeaveInput();

  std::vector<Form*> forms_;
  Form* active_ = nullptr;
  std::vector<std::unique_ptr<Form>> discarded_;
  std::vector<std::function<void()>> actionEnds_;
  WindowObserver* observer_ = nullptr;
  int mousePointer_ = 0;
  int inputDepth_ = 0;
};

}  // namespace forms
