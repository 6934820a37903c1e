#pragma once
// The annual overview. It exists hidden from the main window's first set-up on, which gives its
// grid the calendar font.
#include "forms/Forms.h"
#include "overview/OverviewWindows.h"

namespace mv {

class frmJahresansicht : public forms::Form {
 public:
  explicit frmJahresansicht(OverviewWindows& windows);

  forms::Grid grdYear{*this, "grdYear"};

  // The grid in the calendar font of the settings.
  void TakeCalendarFont();

 private:
  State& s_;
};

}  // namespace mv
