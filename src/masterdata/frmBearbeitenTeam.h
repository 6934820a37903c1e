#pragma once
// The team dialog: a new team, a team edited or deleted, members moved.
#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmBearbeitenTeam : public forms::Form {
 public:
  explicit frmBearbeitenTeam(MasterDataWindows& windows);
};

}  // namespace mv
