#pragma once
// The login data dialog of an employee.
#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmBenutzer : public forms::Form {
 public:
  explicit frmBenutzer(MasterDataWindows& windows);
};

}  // namespace mv
