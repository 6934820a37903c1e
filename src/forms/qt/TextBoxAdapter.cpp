#include "forms/qt/TextBoxAdapter.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>

#include "forms/Keys.h"
#include "forms/qt/Convert.h"

namespace forms::qt {

namespace {

QWidget* MakeEditor(const TextBox& textBox, QWidget* parent) {
  if (textBox.MultiLine()) return new QPlainTextEdit(parent);
  return new QLineEdit(parent);
}

bool MovesCaret(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

}  // namespace

TextBoxAdapter::TextBoxAdapter(FormWindow& window, TextBox& textBox, QWidget* parent)
    : ControlAdapter(window, textBox, MakeEditor(textBox, parent)) {
  line_ = qobject_cast<QLineEdit*>(Widget());
  area_ = qobject_cast<QPlainTextEdit*>(Widget());
  Widget()->setContextMenuPolicy(Qt::NoContextMenu);
  Widget()->setAcceptDrops(false);
  if (line_) {
    line_->setDragEnabled(false);
    connect(line_, &QLineEdit::cursorPositionChanged, this, [this] { MirrorSelection(); });
    connect(line_, &QLineEdit::selectionChanged, this, [this] { MirrorSelection(); });
  } else {
    area_->setUndoRedoEnabled(false);
    area_->setTabChangesFocus(true);
    Watch(area_->viewport());
    connect(area_, &QPlainTextEdit::cursorPositionChanged, this, [this] { MirrorSelection(); });
    connect(area_, &QPlainTextEdit::selectionChanged, this, [this] { MirrorSelection(); });
  }
}

QString TextBoxAdapter::EditorText() const { return line_ ? line_->text() : area_->toPlainText(); }

std::pair<int, int> TextBoxAdapter::EditorSelection() const {
  if (line_) {
    if (line_->hasSelectedText()) return {line_->selectionStart(), line_->selectionLength()};
    return {line_->cursorPosition(), 0};
  }
  const QTextCursor cursor = area_->textCursor();
  return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void TextBoxAdapter::SetEditorText(const QString& text) {
  if (line_) {
    line_->setText(text);
  } else {
    area_->setPlainText(text);
  }
}

void TextBoxAdapter::SetEditorSelection(int start, int length) {
  if (line_) {
    if (length > 0) {
      line_->setSelection(start, length);
    } else {
      line_->setCursorPosition(start);
    }
    return;
  }
  QTextCursor cursor = area_->textCursor();
  cursor.setPosition(start);
  cursor.setPosition(start + length, QTextCursor::KeepAnchor);
  area_->setTextCursor(cursor);
}

void TextBoxAdapter::SyncOwn() {
  const TextBox& textBox = Model();
  QString shown = ToQt(textBox.DisplayText());
  if (area_) shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (line_) {
    line_->setReadOnly(textBox.Locked());
    Qt::Alignment alignment = Qt::AlignLeft;
    if (textBox.Alignment() == vbRightJustify) alignment = Qt::AlignRight;
    if (textBox.Alignment() == vbCenter) alignment = Qt::AlignHCenter;
    line_->setAlignment(alignment | Qt::AlignVCenter);
  } else {
    area_->setReadOnly(textBox.Locked());
  }
  ApplyColors(QPalette::Base, QPalette::Text, false);
  if (EditorText() != shown) SetEditorText(shown);
  if (mirroring_) return;
  const std::pair<int, int> selection{textBox.SelStart(), textBox.SelLength()};
  if (EditorSelection() != selection) SetEditorSelection(selection.first, selection.second);
}

void TextBoxAdapter::MirrorSelection() {
  if (Syncing() || mirroring_ || !Target()) return;
  const auto [start, length] = EditorSelection();
  if (start == Model().SelStart() && length == Model().SelLength()) return;
  mirroring_ = true;
  Act([this, start = start, length = length] { Model().UserSelect(start, length); });
  mirroring_ = false;
}

void TextBoxAdapter::Send(int keyAscii) {
  Act([this, keyAscii] { Model().UserKey(keyAscii); });
}

void TextBoxAdapter::Type(const QString& text) {
  Act([this, text] { Model().UserType(FromQt(text)); });
}

void TextBoxAdapter::Replace(int start, int length, const QString& with) {
  Act([this, start, length, with] {
    TextBox& textBox = Model();
    UserInput input(textBox);
    if (!input || textBox.Locked()) return;
    QString inserted = with;
    if (textBox.MaxLength() > 0) {
      const int room =
          textBox.MaxLength() - (static_cast<int>(ToQt(textBox.Text()).size()) - length);
      inserted.truncate(std::max(0, room));
    }
    textBox.SetSelStart(start);
    textBox.SetSelLength(length);
    textBox.SetSelText(FromQt(inserted));
  });
}

void TextBoxAdapter::DeleteForward() {
  const TextBox& textBox = Model();
  const int length = textBox.SelLength() > 0 ? textBox.SelLength() : 1;
  if (textBox.SelLength() == 0 &&
      textBox.SelStart() >= static_cast<int>(ToQt(textBox.Text()).size()))
    return;
  Replace(textBox.SelStart(), length, QString());
}

void TextBoxAdapter::Copy() {
  const TextBox& textBox = Model();
  if (textBox.PasswordChar().empty() && textBox.SelLength() > 0)
    QApplication::clipboard()->setText(ToQt(textBox.SelText()));
}

void TextBoxAdapter::Paste() {
  QString text = QApplication::clipboard()->text();
  if (!Model().MultiLine()) text = text.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
  Replace(Model().SelStart(), Model().SelLength(), text);
}

bool TextBoxAdapter::Key(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  const bool ctrl = mods & Qt::ControlModifier;
  const bool shift = mods & Qt::ShiftModifier;
  if (mods & Qt::AltModifier) return false;  // menu keys
  const int key = event.key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab || MovesCaret(key)) return false;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Send(vbKeyReturn);
      return true;
    case Qt::Key_Escape:
      Send(vbKeyEscape);
      return true;
    case Qt::Key_Backspace:
      Send(vbKeyBack);
      return true;
    case Qt::Key_Delete:
      if (shift) Copy();
      if (!shift || Model().PasswordChar().empty()) DeleteForward();
      return true;
    case Qt::Key_Insert:
      if (shift) Paste();
      if (ctrl) Copy();
      return true;
    default:
      break;
  }
  if (ctrl) {
    if (key == Qt::Key_C) Copy();
    if (key == Qt::Key_V) Paste();
    if (key == Qt::Key_X && Model().PasswordChar().empty()) {
      Copy();
      DeleteForward();
    }
    if (key == Qt::Key_A)
      Act([this] { Model().UserSelect(0, static_cast<int>(ToQt(Model().Text()).size())); });
    // Other control keys would edit behind the runtime's back (undo, delete word).
    return true;
  }
  const QString text = event.text();
  if (!text.isEmpty() && text.at(0).isPrint()) {
    Type(text);
    return true;
  }
  return false;
}

bool TextBoxAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (Target()) {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (Key(*static_cast<QKeyEvent*>(event))) return true;
        break;
      case QEvent::InputMethod: {
        const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
        if (!committed.isEmpty()) Type(committed);
        return true;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
        // The middle button pastes X11's selection on its own.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) return true;
        break;
      default:
        break;
    }
    WatchClicks(
        event, [this] { Model().UserClick(); },
        [this] {
          if (Model().DblClick) Model().DblClick();
        });
  }
  return ControlAdapter::eventFilter(watched, event);
}

}  // namespace forms::qt
