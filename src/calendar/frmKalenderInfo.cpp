#include "calendar/frmKalender.h"

namespace mv {

void frmKalender::opt_Info_Click(int Index) { s_.InfoIndex = Index; }
void frmKalender::UpdateVacationAccount() {}

}  // namespace mv
