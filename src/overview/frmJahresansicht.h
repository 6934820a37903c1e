#pragma once
// The annual overview. It exists hidden from the main window's first set-up on, which gives its
// grid the calendar font.
#include "core/State.h"
#include "forms/Forms.h"

namespace mv {

class frmJahresansicht : public forms::Form {
 public:
  explicit frmJahresansicht(State& s);

  forms::Grid grdYear{*this, "grdYear"};
};

}  // namespace mv
