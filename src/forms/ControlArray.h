#pragma once

#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Error.h"

namespace forms {

class Form;

// VB's control array: elements first..last of one name, addressed as arr(i).
// Wire the events per element, e.g.
//   opt_Info.ForEach([this](int i, forms::OptionButton& o) { o.Click = [this, i] {
//   opt_Info_Click(i); }; });
template <class T>
class ControlArray {
 public:
  ControlArray(Form& form, const std::string& name, int first, int last,
               Control* container = nullptr)
      : first_(first) {
    for (int i = first; i <= last; ++i)
      items_.push_back(std::make_unique<T>(form, name, container, i));
  }
  ControlArray(Form& form, const std::string& name, int first, int last, Control& container)
      : ControlArray(form, name, first, last, &container) {}

  T& operator()(int index) const {
    if (index < first_ || index > UBound())
      throw Error("Control array element '" + std::to_string(index) + "' doesn't exist");
    return *items_[static_cast<size_t>(index - first_)];
  }
  int LBound() const { return first_; }
  int UBound() const { return first_ + static_cast<int>(items_.size()) - 1; }
  int Count() const { return static_cast<int>(items_.size()); }

  template <class F>
  void ForEach(F&& f) const {
    for (int i = LBound(); i <= UBound(); ++i) f(i, (*this)(i));
  }

 private:
  int first_;
  std::vector<std::unique_ptr<T>> items_;
};

}  // namespace forms
