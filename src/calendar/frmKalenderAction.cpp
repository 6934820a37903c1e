#include "calendar/frmKalender.h"

namespace mv {

void frmKalender::cmbModus_Click() {}
void frmKalender::lbl_action1_Click() {}
void frmKalender::lbl_action2_Click() {}
void frmKalender::lbl_action3_Click() {}
void frmKalender::opt_agree_Click() {}
void frmKalender::opt_enquire_Click() {}
void frmKalender::opt_decline_Click() {}

}  // namespace mv
