#include "calendar/frmKalender.h"

namespace mv {

void frmKalender::grdCal_DblClick() {}
void frmKalender::grdCal_MouseDown(int, int, float, float) {}
void frmKalender::grdCal_MouseMove(int, int, float, float) {}
void frmKalender::grdCal_MouseUp(int, int, float, float) {}
void frmKalender::grdCal_SelChange() {}

}  // namespace mv
