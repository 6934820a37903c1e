#include "masterdata/frmBeziehungen.h"

namespace mv {

frmBeziehungen::frmBeziehungen(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmBeziehungen") {}

}  // namespace mv
