#include "masterdata/frmMitarbeiter.h"

namespace mv {

frmMitarbeiter::frmMitarbeiter(State& s) : forms::Form(s.rt, "frmMitarbeiter"), s_(s) { (void)s_; }

}  // namespace mv
