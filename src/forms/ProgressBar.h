#pragma once

#include "forms/Control.h"

namespace forms {

class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, std::string name, Control* container = nullptr, int index = -1);
  ProgressBar(Form& form, std::string name, Control& container)
      : ProgressBar(form, std::move(name), &container) {}

  float Min() const { return min_; }
  void SetMin(float v);
  float Max() const { return max_; }
  void SetMax(float v);
  float Value() const { return value_; }
  // Throws forms::Error outside Min..Max.
  void SetValue(float v);

 private:
  float min_ = 0;
  float max_ = 100;
  float value_ = 0;
};

}  // namespace forms
