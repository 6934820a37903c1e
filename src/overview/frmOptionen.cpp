#include "overview/frmOptionen.h"

namespace mv {

frmOptionen::frmOptionen(OverviewWindows& windows) : forms::Form(windows.s.rt, "frmOptionen") {}

}  // namespace mv
