#pragma once

#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

// Tabs are numbered from 1, as the common control does.
class TabStrip : public Control {
 public:
  TabStrip(Form& form, std::string name, Control* container = nullptr, int index = -1);
  TabStrip(Form& form, std::string name, Control& container)
      : TabStrip(form, std::move(name), &container) {}

  // Appends a tab; the first tab added becomes the selected one (without Click).
  void AddTab(const std::string& caption, const std::string& key = "");
  void ClearTabs();
  int TabCount() const { return static_cast<int>(tabs_.size()); }
  const std::string& TabCaption(int index) const;
  void SetTabCaption(int index, const std::string& v);
  const std::string& TabKey(int index) const;

  // Index of SelectedItem, 0 when there are no tabs.
  int SelectedIndex() const { return selected_; }
  // Raises Click when the selection changes; throws forms::Error for an index that is no tab.
  void SetSelectedIndex(int index);

  bool CanTakeFocus() const override;

  std::function<void()> Click;

  void UserSelect(int index);

 private:
  struct Tab {
    std::string caption;
    std::string key;
  };
  const Tab& At(int index) const;

  std::vector<Tab> tabs_;
  int selected_ = 0;
};

}  // namespace forms
