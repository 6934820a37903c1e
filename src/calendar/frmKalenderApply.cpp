#include "calendar/frmKalender.h"

namespace mv {

void frmKalender::ApplyModeToSelection() { s_.SelStart.reset(); }
void frmKalender::PrepareNoteDialog() {}
void frmKalender::mnuNotizen_Click() {}

}  // namespace mv
