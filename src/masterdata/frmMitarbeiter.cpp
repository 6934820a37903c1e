#include "masterdata/frmMitarbeiter.h"

namespace mv {

frmMitarbeiter::frmMitarbeiter(State& s) : forms::Form(s.rt, "frmMitarbeiter") {}

}  // namespace mv
