#pragma once
// Command buttons, check boxes and option buttons: a press of the widget is the runtime's click;
// the widget then shows the runtime's value, not its own idea of it.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/OptionButton.h"
#include "forms/qt/ControlAdapter.h"

namespace forms::qt {

class CommandButtonAdapter : public ControlAdapter {
 public:
  CommandButtonAdapter(FormWindow& window, CommandButton& button, QWidget* parent);

 protected:
  void SyncOwn() override;

 private:
  CommandButton& Model() const { return static_cast<CommandButton&>(*Target()); }
  QPushButton* view_;
};

class CheckBoxAdapter : public ControlAdapter {
 public:
  CheckBoxAdapter(FormWindow& window, CheckBox& checkBox, QWidget* parent);

 protected:
  void SyncOwn() override;

 private:
  CheckBox& Model() const { return static_cast<CheckBox&>(*Target()); }
  QCheckBox* view_;
};

// The runtime keeps the groups: the widgets are not exclusive among themselves.
class OptionButtonAdapter : public ControlAdapter {
 public:
  OptionButtonAdapter(FormWindow& window, OptionButton& option, QWidget* parent);

 protected:
  void SyncOwn() override;

 private:
  OptionButton& Model() const { return static_cast<OptionButton&>(*Target()); }
  QRadioButton* view_;
};

}  // namespace forms::qt
