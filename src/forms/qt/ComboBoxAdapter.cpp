#include "forms/qt/ComboBoxAdapter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

#include "forms/Keys.h"
#include "forms/qt/Convert.h"
#include "forms/qt/FormWindow.h"

namespace forms::qt {

ComboBoxAdapter::ComboBoxAdapter(FormWindow& window, ComboBox& combo, QWidget* parent)
    : ControlAdapter(window, combo, new QComboBox(parent)),
      view_(static_cast<QComboBox*>(Widget())) {
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
      view_->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
      view_->lineEdit()->setDragEnabled(false);
      view_->lineEdit()->setAcceptDrops(false);
      Watch(view_->lineEdit());
    }
  }
  SyncItems();
  if (view_->currentIndex() != combo.ListIndex()) view_->setCurrentIndex(combo.ListIndex());
  if (editable) {
    view_->lineEdit()->setReadOnly(combo.Locked());
    const QString text = ToQt(combo.Text());
    if (view_->currentText() != text) view_->setEditText(text);
  }
  view_->setFocusPolicy(combo.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  ApplyColors(QPalette::Base, QPalette::Text, false);
}

bool ComboBoxAdapter::Key(const QKeyEvent& event) {
  ComboBox& combo = Model();
  const int key = event.key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
  if (combo.Locked()) return true;
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    if (combo.Style() != vbComboDropdownList && (event.modifiers() & Qt::ControlModifier) &&
        key == Qt::Key_V) {
      const QString pasted = QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
      Act([this, pasted] { Model().UserSetText(Model().Text() + FromQt(pasted)); });
      return true;
    }
    return false;  // Alt+Down and F4 drop the list down
  }
  if (key == Qt::Key_Backspace) {
    Act([this] { Model().UserKey(vbKeyBack); });
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    Act([this, key] { Model().UserKey(key == Qt::Key_Escape ? vbKeyEscape : vbKeyReturn); });
    // On to the window's default or cancel button; the combo box itself would pick a matching
    // entry.
    QKeyEvent forwarded(QEvent::KeyPress, key, event.modifiers());
    if (Target()) QCoreApplication::sendEvent(&Window(), &forwarded);
    return true;
  }
  if (key == Qt::Key_Delete) {
    if (combo.Style() != vbComboDropdownList) Act([this] { Model().UserSetText(""); });
    return true;
  }
  const QString text = event.text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  if (combo.Style() == vbComboDropdownList) {
    // KeyPress first; the list then jumps to the entry that starts with the key.
    Act([this, text] { Model().UserKey(text.at(0).unicode()); });
    return false;
  }
  Act([this, text] { Model().UserType(FromQt(text)); });
  return true;
}

bool ComboBoxAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (Target()) {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (Key(*static_cast<QKeyEvent*>(event))) return true;
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
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
