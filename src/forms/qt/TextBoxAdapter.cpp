#include "forms/qt/TextBoxAdapter.h"

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

bool IsMouse(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

}  // namespace

TextBoxAdapter::TextBoxAdapter(FormWindow& window, TextBox& textBox, QWidget* parent)
    : ControlAdapter(window, textBox, MakeEditor(textBox, parent)),
      input_([this](const std::function<void()>& action) { Act(action); }) {
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

ShownText TextBoxAdapter::Shown() const {
  const TextBox& textBox = Model();
  return ShownText(textBox.Text(), textBox.PasswordChar(), area_ != nullptr);
}

int TextBoxAdapter::PositionAt(const QPoint& at) const {
  const int shown = line_ ? line_->cursorPositionAt(at) : area_->cursorForPosition(at).position();
  return Shown().FromShown(shown);
}

std::pair<int, int> TextBoxAdapter::EditorSelection() const {
  if (line_) {
    const int caret = line_->cursorPosition();
    if (!line_->hasSelectedText()) return {caret, caret};
    const int start = line_->selectionStart();
    return {caret == start ? line_->selectionEnd() : start, caret};
  }
  const QTextCursor cursor = area_->textCursor();
  return {cursor.anchor(), cursor.position()};
}

void TextBoxAdapter::SetEditorText(const QString& text) {
  if (line_) {
    line_->setText(text);
  } else {
    area_->setPlainText(text);
  }
}

void TextBoxAdapter::SetEditorSelection(int anchor, int caret) {
  if (line_) {
    if (anchor == caret) {
      line_->setCursorPosition(caret);
    } else {
      line_->setSelection(anchor, caret - anchor);
    }
    return;
  }
  QTextCursor cursor = area_->textCursor();
  cursor.setPosition(anchor);
  cursor.setPosition(caret, QTextCursor::KeepAnchor);
  area_->setTextCursor(cursor);
}

void TextBoxAdapter::SyncOwn() {
  const TextBox& textBox = Model();
  const ShownText shown = Shown();
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
  const QString text = line_ ? line_->text() : area_->toPlainText();
  if (text != shown.Text()) SetEditorText(shown.Text());
  ShowSelection();
}

// A box without the focus shows no selection, as on Windows; the runtime keeps it for the
// focus's return.
void TextBoxAdapter::ShowSelection() {
  const TextBox& textBox = Model();
  const ShownText shown = Shown();
  const int caret = textBox.Caret();
  const int anchor = !Widget()->hasFocus()         ? caret
                     : caret == textBox.SelStart() ? caret + textBox.SelLength()
                                                   : textBox.SelStart();
  const std::pair<int, int> wanted{shown.ToShown(anchor), shown.ToShown(caret)};
  if (EditorSelection() != wanted) SetEditorSelection(wanted.first, wanted.second);
}

// The widget moved its caret on its own: a line up or down, or all selected as the focus came by
// Tab.
void TextBoxAdapter::MirrorSelection() {
  // Losing the focus clears the widget's selection; the runtime's stays, as on Windows.
  if (Syncing() || !Target() || !Widget()->hasFocus()) return;
  const ShownText shown = Shown();
  const auto [anchorShown, caretShown] = EditorSelection();
  const int anchor = shown.FromShown(anchorShown);
  const int caret = shown.FromShown(caretShown);
  TextBox& textBox = Model();
  const int start = std::min(anchor, caret);
  if (caret == textBox.Caret() && start == textBox.SelStart() &&
      std::abs(caret - anchor) == textBox.SelLength())
    return;
  Act([&textBox, anchor = anchor, caret = caret] {
    textBox.UserPlaceCaret(anchor, false);
    textBox.UserPlaceCaret(caret, true);
  });
}

bool TextBoxAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (!Target()) return ControlAdapter::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type == QEvent::FocusIn) {
    // Tab selects the whole text and a click places the caret, both mirrored back; the focus
    // coming back by other ways finds the selection the runtime kept.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::MouseFocusReason) {
      SyncScope scope(*this);
      ShowSelection();
    }
  }
  if (IsMouse(type)) {
    WatchClicks(
        event, [this] { Model().UserClick(); },
        [this] {
          if (Model().DblClick) Model().DblClick();
        });
    if (!Target()) return true;
    const auto& mouse = *static_cast<QMouseEvent*>(event);
    return input_.Mouse(Model(), mouse, PositionAt(mouse.position().toPoint()));
  }
  if (type == QEvent::KeyPress) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    const bool plain = !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
      Act([this] { Model().UserKey(vbKeyReturn); });
      return true;
    }
    if (plain && key.key() == Qt::Key_Escape) {
      Act([this] { Model().UserKey(vbKeyEscape); });
      return true;
    }
    if (input_.Key(Model(), key)) return true;
  }
  if (type == QEvent::InputMethod) {
    const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
    if (!committed.isEmpty()) Act([this, committed] { Model().UserType(FromQt(committed)); });
    return true;
  }
  return ControlAdapter::eventFilter(watched, event);
}

}  // namespace forms::qt
