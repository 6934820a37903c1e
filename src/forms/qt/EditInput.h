#pragma once
// The keys and the mouse of an edit field (a text box, a combo box's edit part) as the runtime's
// editing calls: the runtime keeps text, caret and selection, the widget only shows them. Copy and
// paste go through the system's clipboard.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "forms/EditField.h"

class QKeyEvent;
class QMouseEvent;

namespace forms::qt {

// A field's text as the widget shows it (masked, one line break for "\r\n"), with the widget's
// position of every position in the runtime's text.
class ShownText {
 public:
  ShownText(const std::string& text, const std::string& mask, bool multiLine);

  const QString& Text() const { return text_; }
  int ToShown(int position) const;
  int FromShown(int position) const;

 private:
  QString text_;
  std::vector<int> starts_;  // where each character begins in text_, and text_'s end
};

class EditInput {
 public:
  // run: runs one piece of user input into the runtime (the adapter's Act).
  using Run = std::function<void(const std::function<void()>&)>;
  explicit EditInput(Run run) : run_(std::move(run)) {}

  // Caret keys, Backspace and Delete, the clipboard keys and typed characters; false for the keys
  // the field leaves to others (Tab, Alt, Enter, Escape, Up and Down).
  bool Key(EditField& field, const QKeyEvent& event);
  // Left presses, drags and double clicks at a position of the runtime's text; false for other
  // mouse events.
  bool Mouse(EditField& field, const QMouseEvent& event, int position);

 private:
  void Copy(const EditField& field) const;
  void Paste(EditField& field) const;
  void Cut(EditField& field) const;

  Run run_;
  bool dragging_ = false;
};

}  // namespace forms::qt
