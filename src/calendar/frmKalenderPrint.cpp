#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"

namespace mv {

forms::PrintOutcome frmKalender::PrintView() {
  lbl_Status.SetCaption(s_.T(TxtPrintingView));
  // Without the members or entries it could not read, the page would show absences missing.
  if (s_.CalendarGap) return {false, CalendarGapText(s_), ""};
  // The name bold under the pointer is no choice of the user's; it is not printed bold.
  grdCal.SetCol(0);
  for (int row = 4; row < grdCal.Rows(); ++row) {
    grdCal.SetRow(row);
    grdCal.SetCellFontBold(false);
  }
  forms::PrintOutcome outcome = s_.rt.PrintPage(grdCal.Picture());
  // Without a printer the page is kept as a file; the user needs to know where.
  if (outcome.Printed && !outcome.File.empty())
    lbl_Status.SetCaption(s_.T(TxtPrintingView) + " - " + outcome.File);
  return outcome;
}

// Prints the calendar exactly as it is built now: one landscape page, one job.
void frmKalender::mnuDruckAnsicht_Click() {
  const forms::PrintOutcome outcome = PrintView();
  if (!outcome.Printed) s_.rt.MsgBox(outcome.Failure);
}

}  // namespace mv
