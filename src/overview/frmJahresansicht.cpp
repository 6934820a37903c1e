#include "overview/frmJahresansicht.h"

namespace mv {

frmJahresansicht::frmJahresansicht(State& s) : forms::Form(s.rt, "frmJahresansicht") {
  grdYear.SetCols(367);
  grdYear.SetRows(10);
  grdYear.SetFixedRows(4);
  grdYear.SetFixedCols(1);
  grdYear.SetFontName("Arial");
}

}  // namespace mv
