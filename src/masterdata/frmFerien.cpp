#include "masterdata/frmFerien.h"

namespace mv {

frmFerien::frmFerien(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmFerien"), s_(windows.s) {}

void frmFerien::SetToolTips() {
  optSelect.SetToolTipText(s_.T(183));
  optDelete.SetToolTipText(s_.T(184));
}

}  // namespace mv
