#include "calendar/frmKalender.h"

namespace mv {

void frmKalender::mnuLogOut_Click() {}
void frmKalender::mnuTerminate_Click() {}

}  // namespace mv
