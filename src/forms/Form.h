#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Color.h"
#include "forms/Keys.h"

namespace forms {

class Control;
class CommandButton;
class Menu;
class Runtime;
class WindowManager;

// Base of every window. A window class derives from it, declares its controls as members
// (each registers itself, in tab order) and overrides the Form_* handlers it needs.
//
// Life: constructed (not loaded) -> Load (Form_Load runs once) -> Show/Hide any number of times ->
// Unload (Form_QueryUnload, Form_Unload; either may cancel) -> discarded. A window owned by a
// FormSlot is handed to the window manager on unload and destroyed once the running user action
// ends; the slot builds a new one on next use.
class Form {
 public:
  Form(Runtime& runtime, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Runtime& Rt() const { return runtime_; }
  const std::string& Name() const { return name_; }

  // Runs Form_Load the first time; later calls do nothing.
  void Load();
  // Loads if needed, makes the window visible and brings it to the front; an enabled window that
  // was not active becomes active (Form_Activate).
  void Show();
  // Invisible; if it was active, the front-most visible, enabled window becomes active. It forgets
  // its focused control: shown again, it starts at the first one that takes the focus.
  void Hide();
  // Form_QueryUnload (code), Form_Unload; false when cancelled. Unloading a window that is not
  // loaded does nothing and returns true.
  bool Unload();
  bool IsLoaded() const { return loaded_; }
  bool IsActive() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  bool Visible() const { return visible_; }
  // VB's Visible = True is Show, False is Hide.
  void SetVisible(bool v);
  // A disabled window takes no input and never becomes active; enabling does not activate it.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  bool ControlBox() const { return controlBox_; }  // false: no close box
  void SetControlBox(bool v);
  // The entry a close request takes on a window without a close box, where it has no Cancel
  // button to take (a main window's Exit).
  void SetWayOut(Menu& entry) { wayOut_ = &entry; }
  bool MinButton() const { return minButton_; }
  void SetMinButton(bool v);
  bool MaxButton() const { return maxButton_; }
  void SetMaxButton(bool v);
  int BorderStyle() const {
    return borderStyle_;
  }  // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog
  void SetBorderStyle(int v);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color v);
  int MousePointer() const { return mousePointer_; }  // vbDefault, vbArrow, vbHourglass
  void SetMousePointer(int v);

  // Outer size and position in twips.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  void Move(int left, int top, int width, int height);

  // Controls in registration (= tab) order, menus included.
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FindControl(std::string_view name, int index = -1) const;
  // The top-level menus in order.
  std::vector<Menu*> MenuBar() const;
  CommandButton* DefaultButton() const;
  CommandButton* CancelButton() const;
  Control* ActiveControl() const { return focus_; }

  // Shows a pop-up menu at the pointer; the chosen entry's Click runs before this returns.
  void PopupMenu(Menu& menu);
  // Asks the back end to repaint now.
  void Refresh();

  // User input from tests and the back end.
  // A close request (the close box, Alt+F4): Form_QueryUnload (control menu), Form_Unload. A window
  // without a close box takes its own way out instead: its way-out entry, else its Cancel button,
  // each only while it takes input; else nothing happens.
  void UserClose();
  // The user brings the window forward (clicks it): front, and active with Form_Activate if
  // enabled.
  void UserActivate();
  // A menu shortcut such as "Ctrl+L" or "F12": clicks the enabled, visible entry that carries it.
  bool UserShortcut(std::string_view keys);
  // Tab (or Shift+Tab): the focus goes to the next control in tab order that takes it.
  void UserTab(bool backwards = false);
  // The user moved or resized the window; raises nothing.
  void UserMove(int left, int top, int width, int height);

  // Shorthands of the runtime.
  int MsgBox(const std::string& prompt, int buttons = 0, const std::string& title = "");
  std::string InputBox(const std::string& prompt, const std::string& title = "",
                       const std::string& defaultText = "");
  void DoEvents();

 protected:
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  virtual void Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    (void)unloadMode;
  }
  virtual void Form_Unload(int& cancel) { (void)cancel; }

 private:
  friend class Control;
  friend class WindowManager;
  template <class T>
  friend class FormSlot;

  void Register(Control& control);
  void SetFocusTo(Control& control);
  void ControlChanged(Control& control);
  void NotifyChanged();
  bool UnloadWith(int unloadMode);
  void RaiseActivate();
  void RaiseDeactivate();
  int NextZPosition(bool front);

  Runtime& runtime_;
  WindowManager& windows_;
  std::string name_;
  std::vector<Control*> controls_;
  Control* focus_ = nullptr;
  bool loaded_ = false;
  bool unloading_ = false;
  bool visible_ = false;
  bool enabled_ = true;
  std::string caption_;
  bool controlBox_ = true;
  Menu* wayOut_ = nullptr;
  bool minButton_ = true;
  bool maxButton_ = true;
  int borderStyle_ = 2;
  Color backColor_ = vbButtonFace;
  int mousePointer_ = 0;
  int left_ = 0;
  int top_ = 0;
  int width_ = 4800;
  int height_ = 3600;
  int zFront_ = 0;
  int zBack_ = 0;
  // Set by a FormSlot: hands the window's ownership over when it is unloaded.
  std::function<std::unique_ptr<Form>()> release_;
};

}  // namespace forms
