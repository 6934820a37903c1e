#pragma once
// The about box.
#include "forms/Forms.h"
#include "overview/OverviewWindows.h"

namespace mv {

class frmInfo : public forms::Form {
 public:
  explicit frmInfo(OverviewWindows& windows);
};

}  // namespace mv
