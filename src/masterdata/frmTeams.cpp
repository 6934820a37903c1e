#include "masterdata/frmTeams.h"

namespace mv {

frmTeams::frmTeams(MasterDataWindows& windows) : forms::Form(windows.s.rt, "frmTeams") {}

}  // namespace mv
