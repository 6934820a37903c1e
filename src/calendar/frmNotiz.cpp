#include "calendar/frmNotiz.h"

namespace mv {

frmNotiz::frmNotiz(State& s) : forms::Form(s.rt, "frmNotiz"), s_(s) { (void)s_; }

}  // namespace mv
