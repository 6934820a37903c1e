#include "forms/qt/ListBoxAdapter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "forms/Keys.h"
#include "forms/qt/Convert.h"

namespace forms::qt {

namespace {

int ShiftMask(Qt::KeyboardModifiers modifiers) {
  int mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= vbShiftMask;
  if (modifiers & Qt::ControlModifier) mask |= vbCtrlMask;
  return mask;
}

}  // namespace

ListBoxAdapter::ListBoxAdapter(FormWindow& window, ListBox& list, QWidget* parent)
    : ControlAdapter(window, list, new QListWidget(parent)),
      view_(static_cast<QListWidget*>(Widget())) {
  view_->setSelectionMode(QAbstractItemView::MultiSelection);
  view_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  view_->setContextMenuPolicy(Qt::NoContextMenu);
  view_->setUniformItemSizes(true);
  Watch(view_->viewport());
}

void ListBoxAdapter::SyncItems() {
  const ListBox& list = Model();
  bool same = view_->count() == list.ListCount();
  for (int i = 0; same && i < list.ListCount(); ++i)
    same = view_->item(i)->text() == ToQt(list.List(i));
  if (same) return;
  view_->clear();
  for (int i = 0; i < list.ListCount(); ++i) view_->addItem(ToQt(list.List(i)));
  topIndex_ = -1;
}

void ListBoxAdapter::SyncOwn() {
  const ListBox& list = Model();
  SyncItems();
  for (int i = 0; i < list.ListCount(); ++i) {
    QListWidgetItem* item = view_->item(i);
    if (item->isSelected() != list.Selected(i)) item->setSelected(list.Selected(i));
  }
  if (view_->currentRow() != list.ListIndex()) {
    view_->setCurrentRow(list.ListIndex(), QItemSelectionModel::NoUpdate);
  }
  if (list.TopIndex() != topIndex_ && list.TopIndex() >= 0 && list.TopIndex() < list.ListCount()) {
    view_->scrollToItem(view_->item(list.TopIndex()), QAbstractItemView::PositionAtTop);
  }
  topIndex_ = list.TopIndex();
  if (list.ListIndex() != listIndex_ && list.ListIndex() >= 0)
    view_->scrollToItem(view_->item(list.ListIndex()));
  listIndex_ = list.ListIndex();
  view_->setFocusPolicy(list.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  ApplyColors(QPalette::Base, QPalette::Text, false);
}

bool ListBoxAdapter::Mouse(const QMouseEvent& event) {
  const int index = view_->indexAt(event.position().toPoint()).row();
  if (event.type() == QEvent::MouseMove) return true;  // no selection by dragging
  if (event.button() != Qt::LeftButton) return true;
  if (event.type() == QEvent::MouseButtonPress && index >= 0) {
    view_->setFocus(Qt::MouseFocusReason);
    const int shift = ShiftMask(event.modifiers());
    Act([this, index, shift] { Model().UserClick(index, shift); });
  } else if (event.type() == QEvent::MouseButtonDblClick && index >= 0) {
    RaiseDoubleClick([this] {
      if (Model().DblClick) Model().DblClick();
    });
  }
  return true;
}

void ListBoxAdapter::MoveTo(int index, Qt::KeyboardModifiers modifiers) {
  const ListBox& list = Model();
  if (list.ListCount() == 0) return;
  index = std::clamp(index, 0, list.ListCount() - 1);
  if (list.MultiSelect() == vbMultiSelectSimple) {
    Act([this, index] {
      UserInput input(Model());
      if (input) Model().SetListIndex(index);
    });
  } else {
    const int shift =
        list.MultiSelect() == vbMultiSelectExtended ? ShiftMask(modifiers) & vbShiftMask : 0;
    Act([this, index, shift] { Model().UserClick(index, shift); });
  }
}

bool ListBoxAdapter::Key(const QKeyEvent& event) {
  const ListBox& list = Model();
  const int caret = list.ListIndex();
  const int page =
      std::max(1, view_->viewport()->height() / std::max(1, view_->sizeHintForRow(0)) - 1);
  switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return false;
    case Qt::Key_Up:
      MoveTo(caret - 1, event.modifiers());
      return true;
    case Qt::Key_Down:
      MoveTo(caret + 1, event.modifiers());
      return true;
    case Qt::Key_PageUp:
      MoveTo(caret - page, event.modifiers());
      return true;
    case Qt::Key_PageDown:
      MoveTo(caret + page, event.modifiers());
      return true;
    case Qt::Key_Home:
      MoveTo(0, event.modifiers());
      return true;
    case Qt::Key_End:
      MoveTo(list.ListCount() - 1, event.modifiers());
      return true;
    case Qt::Key_Space:
      if (list.MultiSelect() != vbMultiSelectNone && caret >= 0) {
        Act([this, caret] { Model().UserClick(caret, vbCtrlMask); });
        return true;
      }
      break;
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty() || !text.at(0).isPrint() ||
      (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    return false;
  }
  // Jumps to the next entry that starts with the typed letter.
  for (int step = 1; step <= list.ListCount(); ++step) {
    const int i = (caret + step) % list.ListCount();
    if (ToQt(list.List(i)).startsWith(text, Qt::CaseInsensitive)) {
      MoveTo(i, Qt::NoModifier);
      break;
    }
  }
  return true;
}

bool ListBoxAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (Target()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        if (watched == view_->viewport()) return Mouse(*static_cast<QMouseEvent*>(event));
        break;
      case QEvent::KeyPress:
        if (watched == view_ && Key(*static_cast<QKeyEvent*>(event))) return true;
        break;
      default:
        break;
    }
  }
  return ControlAdapter::eventFilter(watched, event);
}

}  // namespace forms::qt
