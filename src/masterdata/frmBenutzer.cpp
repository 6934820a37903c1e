#include "masterdata/frmBenutzer.h"

namespace mv {

frmBenutzer::frmBenutzer(MasterDataWindows& windows) : forms::Form(windows.s.rt, "frmBenutzer") {}

}  // namespace mv
