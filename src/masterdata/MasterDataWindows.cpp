#include "masterdata/MasterDataWindows.h"

#include "masterdata/frmBearbeitenTeam.h"
#include "masterdata/frmBenutzer.h"
#include "masterdata/frmBeziehungen.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"
#include "masterdata/frmTeams.h"

namespace mv {

MasterDataWindows::MasterDataWindows(CalendarWindows& calendarWindows)
    : s(calendarWindows.s),
      calendar(calendarWindows),
      frmMitarbeiter([this] { return std::make_unique<mv::frmMitarbeiter>(*this); }),
      frmBenutzer([this] { return std::make_unique<mv::frmBenutzer>(*this); }),
      frmTeams([this] { return std::make_unique<mv::frmTeams>(*this); }),
      frmBearbeitenTeam([this] { return std::make_unique<mv::frmBearbeitenTeam>(*this); }),
      frmBeziehungen([this] { return std::make_unique<mv::frmBeziehungen>(*this); }),
      frmFerien([this] { return std::make_unique<mv::frmFerien>(*this); }) {}

MasterDataWindows::~MasterDataWindows() = default;

}  // namespace mv
