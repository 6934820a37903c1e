#include "forms/TabStrip.h"

#include "forms/Error.h"

namespace forms {

TabStrip::TabStrip(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::TabStrip, std::move(name), container, index) {}

void TabStrip::AddTab(const std::string& caption, const std::string& key) {
  tabs_.push_back({caption, key});
  if (selected_ == 0) selected_ = 1;
  Changed();
}

void TabStrip::ClearTabs() {
  tabs_.clear();
  selected_ = 0;
  Changed();
}

const TabStrip::Tab& TabStrip::At(int index) const {
  if (index < 1 || index > TabCount())
    throw Error("Index out of bounds: tab " + std::to_string(index));
  return tabs_[static_cast<size_t>(index - 1)];
}

const std::string& TabStrip::TabCaption(int index) const { return At(index).caption; }

void TabStrip::SetTabCaption(int index, const std::string& v) {
  At(index);
  Update(tabs_[static_cast<size_t>(index - 1)].caption, v);
}

const std::string& TabStrip::TabKey(int index) const { return At(index).key; }

void TabStrip::SetSelectedIndex(int index) {
  At(index);
  if (selected_ == index) return;
  selected_ = index;
  Changed();
  if (Click) Click();
}

bool TabStrip::CanTakeFocus() const { return true; }

void TabStrip::UserSelect(int index) {
  UserInput input(*this);
  if (input) SetSelectedIndex(index);
}

}  // namespace forms
