#include "calendar/frmKalender.h"

namespace mv {

// Prints the calendar exactly as it is built now: one landscape page, one job.
void frmKalender::mnuDruckAnsicht_Click() {
  lbl_Status.SetCaption(s_.T(123));
  // The name bold under the pointer is no choice of the user's; it is not printed bold.
  grdCal.SetCol(0);
  for (int row = 4; row < grdCal.Rows(); ++row) {
    grdCal.SetRow(row);
    grdCal.SetCellFontBold(false);
  }
  forms::PrintOutcome outcome = s_.rt.PrintPage(grdCal.Picture());
  if (!outcome.Printed) {
    s_.rt.MsgBox(outcome.Failure);
    return;
  }
  // Without a printer the page is kept as a file; the user needs to know where.
  if (!outcome.File.empty()) lbl_Status.SetCaption(s_.T(123) + " - " + outcome.File);
}

}  // namespace mv
