#include "forms/qt/MenuAdapter.h"

#include <QMenuBar>

#include "forms/qt/Convert.h"
#include "forms/qt/FormWindow.h"

namespace forms::qt {

MenuAdapter::MenuAdapter(FormWindow& window, Menu& menu, MenuAdapter* parent)
    : ControlAdapter(window, menu, nullptr) {
  QWidget* owner =
      parent && parent->Submenu() ? static_cast<QWidget*>(parent->Submenu()) : window.MenuBar();
  if (!menu.Items().empty()) {
    submenu_ = new QMenu(owner);
    action_ = submenu_->menuAction();
    connect(submenu_, &QMenu::aboutToShow, this, [this] { Act([this] { Model().UserClick(); }); });
  } else {
    action_ = new QAction(owner);
    connect(action_, &QAction::triggered, this, [this] {
      if (!Syncing()) Act([this] { Model().UserClick(); });
    });
  }
  owner->addAction(action_);
}

void MenuAdapter::SyncOwn() {
  const Menu& menu = Model();
  action_->setSeparator(menu.IsSeparator());
  QString text = ToQt(menu.Caption());
  if (!menu.Shortcut().empty()) text += QLatin1Char('\t') + ToQt(menu.Shortcut());
  if (action_->text() != text) action_->setText(text);
  if (submenu_) submenu_->setTitle(ToQt(menu.Caption()));
  action_->setEnabled(menu.Enabled());
  action_->setVisible(menu.Visible());
  action_->setCheckable(menu.Checked());
  action_->setChecked(menu.Checked());
}

}  // namespace forms::qt
