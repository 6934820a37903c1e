#include "core/frmLogin.h"

namespace mv {

frmLogin::frmLogin(State& s) : forms::Form(s.rt, "frmLogin"), s_(s) {}

void frmLogin::Form_Load() { Show(); }
void frmLogin::cmdOK_Click() {}
void frmLogin::cmdCancel_Click() {}

}  // namespace mv
