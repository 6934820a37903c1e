#include "overview/frmJahresansicht.h"

namespace mv {

frmJahresansicht::frmJahresansicht(State& s) : forms::Form(s.rt, "frmJahresansicht"), s_(s) { (void)s_; }

}  // namespace mv
