#pragma once
#include <QListWidget>

#include "forms/ListBox.h"
#include "forms/qt/ControlAdapter.h"

namespace forms::qt {

// Clicks and keys go to the runtime, which keeps the selection by its own rules (single, simple,
// extended); the widget only shows the runtime's selection and caret.
class ListBoxAdapter : public ControlAdapter {
 public:
  ListBoxAdapter(FormWindow& window, ListBox& list, QWidget* parent);

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ListBox& Model() const { return static_cast<ListBox&>(*Target()); }
  bool Mouse(const QMouseEvent& event);
  bool Key(const QKeyEvent& event);
  // Moves the caret to an entry as the keyboard does.
  void MoveTo(int index, Qt::KeyboardModifiers modifiers);
  void SyncItems();

  QListWidget* view_;
  int topIndex_ = -1;
  int listIndex_ = -1;
};

}  // namespace forms::qt
