#pragma once

#include <functional>
#include <string>

#include "forms/Color.h"
#include "forms/Font.h"

namespace forms {

class Form;
class WindowManager;

enum class ControlKind {
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  ComboBox,
  ListBox,
  Frame,
  PictureBox,
  Image,
  Menu,
  Grid,
  TabStrip,
  ProgressBar,
  Slider,
};

// Common state of every control. A control registers itself with its form on construction
// (so a window declares its controls as members, in tab order) and lives as long as the form.
class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // position in a control array, -1 when alone
  Form& Parent() const { return form_; }
  Control* Container() const {
    return container_;
  }  // frame, picture box or parent menu; nullptr = the form
  int TabIndex() const { return tabIndex_; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color c);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);

  const forms::Font& Font() const { return font_; }
  void SetFont(const forms::Font& f);
  const std::string& FontName() const { return font_.Name; }
  void SetFontName(const std::string& v);
  double FontSize() const { return font_.Size; }
  void SetFontSize(double v);
  bool FontBold() const { return font_.Bold; }
  void SetFontBold(bool v);
  bool FontItalic() const { return font_.Italic; }
  void SetFontItalic(bool v);
  bool FontUnderline() const { return font_.Underline; }
  void SetFontUnderline(bool v);

  const std::string& ToolTipText() const { return toolTipText_; }
  void SetToolTipText(const std::string& v);
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& v) { tag_ = v; }

  // Twips (15 twips = 1 pixel), relative to the container.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  void Move(int left, int top, int width, int height);

  // Stacking among siblings: 0 brings the control to the front, 1 sends it to the back.
  void ZOrder(int position = 0);
  int ZPosition() const { return zPosition_; }

  // Gives the control the focus on its form (LostFocus/GotFocus when the form is active).
  // Throws forms::Error when the control cannot take the focus (disabled, invisible, no focus
  // kind).
  void SetFocus();
  bool HasFocus() const;
  virtual bool CanTakeFocus() const { return false; }

  // Asks the back end to repaint now; state is mirrored anyway.
  void Refresh();

  // The user puts the focus here (clicks into it, tabs to it).
  void UserFocus();

  // True when user input reaches the control: it, its containers and its form are enabled and
  // visible.
  bool AcceptsInput() const;

  std::function<void()> GotFocus;
  std::function<void()> LostFocus;

 protected:
  Control(Form& form, ControlKind kind, std::string name, Control* container, int index);

  // Tells the back end that the control's state changed.
  void Changed();
  // Assigns and tells the back end, when the value differs.
  template <class T, class V>
  void Update(T& field, const V& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

 private:
  friend class Form;

  Form& form_;
  ControlKind kind_;
  std::string name_;
  Control* container_;
  int index_;
  int tabIndex_ = 0;
  bool tabStop_ = true;
  bool enabled_ = true;
  bool visible_ = true;
  Color foreColor_ = vbWindowText;
  Color backColor_ = vbButtonFace;
  forms::Font font_;
  std::string toolTipText_;
  std::string tag_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 1215;
  int height_ = 375;
  int zPosition_ = 0;
};

// One user action entering the runtime (a click, a key, a drag step). While it is alive,
// discarded windows are kept; it activates the control's form (unless the pointer merely moves
// over it) and, if asked, focuses the control.
// Test it for acceptance: a disabled or hidden control (or form) takes no input.
class UserInput {
 public:
  explicit UserInput(Control& control, bool takeFocus = true, bool activate = true);
  explicit UserInput(Form& form);
  ~UserInput();
  UserInput(const UserInput&) = delete;
  UserInput& operator=(const UserInput&) = delete;

  explicit operator bool() const { return accepted_; }

 private:
  WindowManager& windows_;
  bool accepted_ = false;
};

}  // namespace forms
