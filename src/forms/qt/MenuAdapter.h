#pragma once
#include <QAction>
#include <QMenu>
#include <QPointer>

#include "forms/Menu.h"
#include "forms/qt/ControlAdapter.h"

namespace forms::qt {

// A menu entry: an action in the window's menu bar or in its parent entry's menu. An entry with
// items of its own opens them as a menu; opening it is the entry's click, as on Windows. Shortcut
// keys are shown beside the caption; the window host delivers them.
class MenuAdapter : public ControlAdapter {
 public:
  // parent: the adapter of the parent entry, nullptr for an entry of the menu bar.
  MenuAdapter(FormWindow& window, Menu& menu, MenuAdapter* parent);

  QAction* Action() const { return action_; }

 protected:
  void SyncOwn() override;

 private:
  Menu& Model() const { return static_cast<Menu&>(*Target()); }
  QMenu* Submenu() const { return submenu_; }

  QPointer<QMenu> submenu_;
  QPointer<QAction> action_;
};

}  // namespace forms::qt
