#pragma once
// The dependency editor: the colleagues each employee's work depends on.
#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmBeziehungen : public forms::Form {
 public:
  explicit frmBeziehungen(MasterDataWindows& windows);
};

}  // namespace mv
