#include "overview/frmInfo.h"

namespace mv {

frmInfo::frmInfo(OverviewWindows& windows) : forms::Form(windows.s.rt, "frmInfo") {}

}  // namespace mv
