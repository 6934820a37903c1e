#include "masterdata/frmBearbeitenTeam.h"

namespace mv {

frmBearbeitenTeam::frmBearbeitenTeam(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmBearbeitenTeam") {}

}  // namespace mv
