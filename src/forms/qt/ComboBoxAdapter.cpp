#include "forms/qt/ComboBoxAdapter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "forms/Keys.h"
#include "forms/qt/Convert.h"
#include "forms/qt/FormWindow.h"

namespace forms::qt {

ComboBoxAdapter::ComboBoxAdapter(FormWindow& window, ComboBox& combo, QWidget* parent)
    : ControlAdapter(window, combo, new QComboBox(parent)),
      view_(static_cast<QComboBox*>(Widget())),
      input_([this](const std::function<void()>& action) { Act(action); }) {
  view_->setInsertPolicy(QComboBox::NoInsert);
  view_->setMaxVisibleItems(16);
  view_->setContextMenuPolicy(Qt::NoContextMenu);
  connect(view_, &QComboBox::activated, this, [this](int index) {
    if (!Syncing()) Act([this, index] { Model().UserSelect(index); });
  });
}

void ComboBoxAdapter::SyncItems() {
  const ComboBox& combo = Model();
  bool same = view_->count() == combo.ListCount();
  for (int i = 0; same && i < combo.ListCount(); ++i)
    same = view_->itemText(i) == ToQt(combo.List(i));
  if (same) return;
  view_->clear();
  for (int i = 0; i < combo.ListCount(); ++i) view_->addItem(ToQt(combo.List(i)));
}

void ComboBoxAdapter::SyncOwn() {
  const ComboBox& combo = Model();
  const bool editable = combo.Style() != vbComboDropdownList;
  if (view_->isEditable() != editable) {
    view_->setEditable(editable);
    if (editable) {
      QLineEdit* edit = view_->lineEdit();
      edit->setContextMenuPolicy(Qt::NoContextMenu);
      edit->setDragEnabled(false);
      edit->setAcceptDrops(false);
      // The runtime completes nothing: what the user types is what the field holds.
      view_->setCompleter(nullptr);
      Watch(edit);
      connect(edit, &QLineEdit::cursorPositionChanged, this, [this] { MirrorSelection(); });
      connect(edit, &QLineEdit::selectionChanged, this, [this] { MirrorSelection(); });
    }
  }
  SyncItems();
  if (view_->currentIndex() != combo.ListIndex()) view_->setCurrentIndex(combo.ListIndex());
  if (editable) SyncEditField();
  view_->setFocusPolicy(combo.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  ApplyColors(QPalette::Base, QPalette::Text, false);
}

void ComboBoxAdapter::SyncEditField() {
  const ComboBox& combo = Model();
  QLineEdit* edit = view_->lineEdit();
  edit->setReadOnly(combo.Locked());
  const ShownText shown(combo.Text(), "", false);
  if (edit->text() != shown.Text()) edit->setText(shown.Text());
  const int caret = combo.Caret();
  const int anchor = caret == combo.SelStart() ? caret + combo.SelLength() : combo.SelStart();
  if (anchor == caret) {
    edit->setCursorPosition(shown.ToShown(caret));
  } else {
    edit->setSelection(shown.ToShown(anchor), shown.ToShown(caret) - shown.ToShown(anchor));
  }
}

// The widget moved the caret on its own (all selected as the focus came by Tab).
void ComboBoxAdapter::MirrorSelection() {
  QLineEdit* edit = view_->lineEdit();
  if (Syncing() || !Target() || !edit || !edit->hasFocus()) return;
  const ShownText shown(Model().Text(), "", false);
  const int caret = shown.FromShown(edit->cursorPosition());
  int anchor = caret;
  if (edit->hasSelectedText()) {
    const int start = shown.FromShown(edit->selectionStart());
    const int end = shown.FromShown(edit->selectionEnd());
    anchor = caret == start ? end : start;
  }
  ComboBox& combo = Model();
  if (caret == combo.Caret() && std::min(anchor, caret) == combo.SelStart() &&
      std::abs(caret - anchor) == combo.SelLength())
    return;
  Act([&combo, anchor, caret] {
    combo.UserPlaceCaret(anchor, false);
    combo.UserPlaceCaret(caret, true);
  });
}

bool ComboBoxAdapter::Key(const QKeyEvent& event) {
  ComboBox& combo = Model();
  const int key = event.key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
  const bool editable = combo.Style() != vbComboDropdownList;
  if (combo.Locked() && !editable) return true;
  const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
    Act([this, key] { Model().UserKey(key == Qt::Key_Escape ? vbKeyEscape : vbKeyReturn); });
    // On to the window's default or cancel button; the combo box itself would pick a matching
    // entry.
    QKeyEvent forwarded(QEvent::KeyPress, key, event.modifiers());
    if (Target()) QCoreApplication::sendEvent(&Window(), &forwarded);
    return true;
  }
  if (editable) return input_.Key(combo, event);
  if (!plain) return false;  // Alt+Down and F4 drop the list down
  if (key == Qt::Key_Backspace) {
    Act([this] { Model().UserKey(vbKeyBack); });
    return true;
  }
  const QString text = event.text();
  if (text.isEmpty() || !text.at(0).isPrint()) return key == Qt::Key_Delete;
  // KeyPress first; the list then jumps to the entry that starts with the key.
  Act([this, text] { Model().UserKey(text.at(0).unicode()); });
  return false;
}

bool ComboBoxAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (Target()) {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (Key(*static_cast<QKeyEvent*>(event))) return true;
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseMove:
        // The only line edit watched is the edit field's; asked of the event's own object, so
        // that nothing is asked of a combo box its destruction has half taken apart.
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
          const auto& mouse = *static_cast<QMouseEvent*>(event);
          const int position = ShownText(Model().Text(), "", false)
                                   .FromShown(field->cursorPositionAt(mouse.position().toPoint()));
          if (input_.Mouse(Model(), mouse, position)) return true;
        } else if (event->type() != QEvent::MouseButtonRelease &&
                   event->type() != QEvent::MouseMove && Model().Locked()) {
          return true;
        }
        break;
      case QEvent::Wheel:
        if (Model().Locked()) return true;
        break;
      default:
        break;
    }
  }
  return ControlAdapter::eventFilter(watched, event);
}

}  // namespace forms::qt
