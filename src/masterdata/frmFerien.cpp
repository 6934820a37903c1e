#include "masterdata/frmFerien.h"

namespace mv {

frmFerien::frmFerien(State& s) : forms::Form(s.rt, "frmFerien") {}

}  // namespace mv
