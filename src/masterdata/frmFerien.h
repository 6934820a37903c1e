#pragma once
// The holiday calendar. It exists hidden from the main window's first set-up on, which sets the
// tooltips of its option buttons.
#include "core/State.h"
#include "forms/Forms.h"

namespace mv {

class frmFerien : public forms::Form {
 public:
  explicit frmFerien(State& s);

  forms::OptionButton optSelect{*this, "optSelect"};
  forms::OptionButton optDelete{*this, "optDelete"};
};

}  // namespace mv
