#pragma once
// The print manager.
#include "forms/Forms.h"
#include "overview/OverviewWindows.h"

namespace mv {

class frmDrucken : public forms::Form {
 public:
  explicit frmDrucken(OverviewWindows& windows);
};

}  // namespace mv
