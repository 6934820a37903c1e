#pragma once
// The holiday calendar. It exists hidden from the main window's first set-up on, which sets the
// tooltips of its option buttons.
#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmFerien : public forms::Form {
 public:
  explicit frmFerien(MasterDataWindows& windows);

  forms::OptionButton optSelect{*this, "optSelect"};
  forms::OptionButton optDelete{*this, "optDelete"};

  // Tooltips of the option buttons in the current language.
  void SetToolTips();

 private:
  State& s_;
};

}  // namespace mv
