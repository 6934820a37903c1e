#include "overview/frmDrucken.h"

namespace mv {

frmDrucken::frmDrucken(OverviewWindows& windows) : forms::Form(windows.s.rt, "frmDrucken") {}

}  // namespace mv
