#include "overview/frmJahresansicht.h"

#include "calendar/CalendarGrid.h"

namespace mv {

frmJahresansicht::frmJahresansicht(OverviewWindows& windows)
    : forms::Form(windows.s.rt, "frmJahresansicht"), s_(windows.s) {
  grdYear.SetCols(367);
  grdYear.SetRows(10);
  grdYear.SetFixedRows(4);
  grdYear.SetFixedCols(1);
  grdYear.SetFontName("Arial");
}

void frmJahresansicht::TakeCalendarFont() { ApplyCalendarFont(grdYear, s_.Settings.CalendarFont); }

}  // namespace mv
