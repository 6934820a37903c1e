#include "forms/qt/ButtonAdapters.h"

#include "forms/Keys.h"
#include "forms/qt/Convert.h"

namespace forms::qt {

namespace {

// The whole control answers a click, caption or not, as on Windows.
template <class Button>
class WholeButton : public Button {
 public:
  using Button::Button;

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

void SetCaption(QAbstractButton& button, const std::string& caption) {
  const QString text = Caption(caption);
  if (button.text() != text) button.setText(text);
}

}  // namespace

CommandButtonAdapter::CommandButtonAdapter(FormWindow& window, CommandButton& button,
                                           QWidget* parent)
    : ControlAdapter(window, button, new QPushButton(parent)),
      view_(static_cast<QPushButton*>(Widget())) {
  // Enter goes to the window, which clicks the focused or the default button.
  view_->setAutoDefault(false);
  connect(view_, &QPushButton::clicked, this, [this] {
    if (!Syncing()) Act([this] { Model().UserClick(); });
  });
}

void CommandButtonAdapter::SyncOwn() {
  const CommandButton& button = Model();
  SetCaption(*view_, button.Caption());
  view_->setDefault(button.Default());
  view_->setFocusPolicy(button.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  if (button.Style() == 1) ApplyColors(QPalette::Button, QPalette::ButtonText, false);
}

CheckBoxAdapter::CheckBoxAdapter(FormWindow& window, CheckBox& checkBox, QWidget* parent)
    : ControlAdapter(window, checkBox, new WholeButton<QCheckBox>(parent)),
      view_(static_cast<QCheckBox*>(Widget())) {
  connect(view_, &QCheckBox::clicked, this, [this] {
    if (!Syncing()) Act([this] { Model().UserClick(); });
  });
}

void CheckBoxAdapter::SyncOwn() {
  const CheckBox& checkBox = Model();
  SetCaption(*view_, checkBox.Caption());
  view_->setTristate(checkBox.Value() == vbGrayed);
  const Qt::CheckState state = checkBox.Value() == vbChecked  ? Qt::Checked
                               : checkBox.Value() == vbGrayed ? Qt::PartiallyChecked
                                                              : Qt::Unchecked;
  if (view_->checkState() != state) view_->setCheckState(state);
  view_->setFocusPolicy(checkBox.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  ApplyColors(QPalette::Window, QPalette::WindowText, true);
}

OptionButtonAdapter::OptionButtonAdapter(FormWindow& window, OptionButton& option, QWidget* parent)
    : ControlAdapter(window, option, new WholeButton<QRadioButton>(parent)),
      view_(static_cast<QRadioButton*>(Widget())) {
  view_->setAutoExclusive(false);
  connect(view_, &QRadioButton::clicked, this, [this] {
    if (!Syncing()) Act([this] { Model().UserClick(); });
  });
}

void OptionButtonAdapter::SyncOwn() {
  const OptionButton& option = Model();
  SetCaption(*view_, option.Caption());
  if (view_->isChecked() != option.Value()) view_->setChecked(option.Value());
  view_->setFocusPolicy(option.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  ApplyColors(QPalette::Window, QPalette::WindowText, true);
}

}  // namespace forms::qt
