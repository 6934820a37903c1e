#include "masterdata/MasterDataWindows.h"

#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"

namespace mv {

MasterDataWindows::MasterDataWindows(CalendarWindows& calendarWindows)
    : s(calendarWindows.s),
      calendar(calendarWindows),
      frmMitarbeiter([this] { return std::make_unique<mv::frmMitarbeiter>(*this); }),
      frmFerien([this] { return std::make_unique<mv::frmFerien>(*this); }) {}

MasterDataWindows::~MasterDataWindows() = default;

}  // namespace mv
