#include "core/State.h"

#include "calendar/frmKalender.h"
#include "calendar/frmNotiz.h"
#include "core/frmLogin.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"
#include "overview/frmJahresansicht.h"

namespace mv {

State::State(forms::Platform& platform)
    : rt(platform),
      frmLogin([this] { return std::make_unique<mv::frmLogin>(*this); }),
      frmKalender([this] { return std::make_unique<mv::frmKalender>(*this); }),
      frmNotiz([this] { return std::make_unique<mv::frmNotiz>(*this); }),
      frmMitarbeiter([this] { return std::make_unique<mv::frmMitarbeiter>(*this); }),
      frmJahresansicht([this] { return std::make_unique<mv::frmJahresansicht>(*this); }),
      frmFerien([this] { return std::make_unique<mv::frmFerien>(*this); }) {}

State::~State() {
  // Windows go first: their handlers may still refer to the recordsets.
  frmNotiz.Discard();
  frmKalender.Discard();
  frmLogin.Discard();
  frmFerien.Discard();
  frmJahresansicht.Discard();
  frmMitarbeiter.Discard();
}

}  // namespace mv
