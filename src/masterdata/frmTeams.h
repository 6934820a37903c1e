#pragma once
// Team management: every team with its members.
#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmTeams : public forms::Form {
 public:
  explicit frmTeams(MasterDataWindows& windows);
};

}  // namespace mv
