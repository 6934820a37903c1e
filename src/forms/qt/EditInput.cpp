#include "forms/qt/EditInput.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <optional>

#include "forms/Keys.h"
#include "forms/qt/Convert.h"
#include "text/Utf8.h"

namespace forms::qt {

namespace {

std::optional<CaretMove> CaretMoveOf(int key, bool ctrl) {
  switch (key) {
    case Qt::Key_Left:
      return ctrl ? CaretMove::WordLeft : CaretMove::Left;
    case Qt::Key_Right:
      return ctrl ? CaretMove::WordRight : CaretMove::Right;
    case Qt::Key_Home:
      return ctrl ? CaretMove::TextStart : CaretMove::Home;
    case Qt::Key_End:
      return ctrl ? CaretMove::TextEnd : CaretMove::End;
    default:
      return std::nullopt;
  }
}

}  // namespace

ShownText::ShownText(const std::string& text, const std::string& mask, bool multiLine) {
  const auto points = text::Decode(text);
  const QString masked = ToQt(mask);
  for (size_t i = 0; i < points.size(); ++i) {
    starts_.push_back(static_cast<int>(text_.size()));
    const char32_t cp = points[i];
    if (!masked.isEmpty()) {
      text_ += masked;
    } else if (multiLine && cp == '\r') {
      // "\r\n" shows as one line break; its first half takes no room.
      if (i + 1 >= points.size() || points[i + 1] != '\n') text_ += QLatin1Char('\n');
    } else {
      text_ += QString::fromUcs4(&cp, 1);
    }
  }
  starts_.push_back(static_cast<int>(text_.size()));
}

int ShownText::ToShown(int position) const {
  return starts_[static_cast<size_t>(
      std::clamp(position, 0, static_cast<int>(starts_.size()) - 1))];
}

int ShownText::FromShown(int position) const {
  // The last character that begins there: past the empty first half of a line break.
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
  return std::max(0, static_cast<int>(after - starts_.begin()) - 1);
}

bool EditInput::Key(EditField& field, const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  if (mods & Qt::AltModifier) return false;  // menu keys
  const bool ctrl = mods & Qt::ControlModifier;
  const bool shift = mods & Qt::ShiftModifier;
  const int key = event.key();
  if (const auto move = CaretMoveOf(key, ctrl)) {
    run_([&field, move, shift] { field.UserMoveCaret(*move, shift); });
    return true;
  }
  switch (key) {
    case Qt::Key_Backspace:
      run_([&field] { field.UserKey(vbKeyBack); });
      return true;
    case Qt::Key_Delete:
      if (shift) {
        Cut(field);
      } else {
        run_([&field] { field.UserDelete(); });
      }
      return true;
    case Qt::Key_Insert:
      if (shift) Paste(field);
      if (ctrl) Copy(field);
      return true;
    default:
      break;
  }
  if (ctrl) {
    if (key == Qt::Key_C) Copy(field);
    if (key == Qt::Key_V) Paste(field);
    if (key == Qt::Key_X) Cut(field);
    if (key == Qt::Key_A) run_([&field] { field.UserSelectAll(); });
    // Other control keys would edit behind the runtime's back (undo, delete a word).
    return true;
  }
  const QString text = event.text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  run_([&field, typed = FromQt(text)] { field.UserType(typed); });
  return true;
}

bool EditInput::Mouse(EditField& field, const QMouseEvent& event, int position) {
  const bool extend = event.modifiers() & Qt::ShiftModifier;
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      if (event.button() != Qt::LeftButton) return event.button() == Qt::MiddleButton;
      dragging_ = true;
      run_([&field, position, extend] { field.UserPlaceCaret(position, extend); });
      return true;
    case QEvent::MouseMove:
      if (!dragging_ || !(event.buttons() & Qt::LeftButton)) return false;
      run_([&field, position] { field.UserPlaceCaret(position, true); });
      return true;
    case QEvent::MouseButtonDblClick:
      if (event.button() != Qt::LeftButton) return false;
      dragging_ = false;
      run_([&field, position] { field.UserSelectWord(position); });
      return true;
    case QEvent::MouseButtonRelease:
      if (event.button() == Qt::LeftButton) dragging_ = false;
      // The middle button would paste X11's selection on its own.
      return event.button() == Qt::LeftButton || event.button() == Qt::MiddleButton;
    default:
      return false;
  }
}

void EditInput::Copy(const EditField& field) const {
  const std::string text = field.CopyText();
  if (!text.empty()) QApplication::clipboard()->setText(ToQt(text));
}

void EditInput::Paste(EditField& field) const {
  const std::string text = FromQt(QApplication::clipboard()->text());
  run_([&field, text] { field.UserPaste(text); });
}

void EditInput::Cut(EditField& field) const {
  std::string cut;
  run_([&field, &cut] { cut = field.UserCut(); });
  if (!cut.empty()) QApplication::clipboard()->setText(ToQt(cut));
}

}  // namespace forms::qt
