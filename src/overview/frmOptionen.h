#pragma once
// The options dialog.
#include "forms/Forms.h"
#include "overview/OverviewWindows.h"

namespace mv {

class frmOptionen : public forms::Form {
 public:
  explicit frmOptionen(OverviewWindows& windows);
};

}  // namespace mv
