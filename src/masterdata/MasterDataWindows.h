#pragma once
// The windows of the master data: employees, logins, teams, dependencies, holidays.
#include "calendar/CalendarWindows.h"
#include "core/State.h"
#include "forms/FormSlot.h"

namespace mv {

class frmMitarbeiter;
class frmBenutzer;
class frmTeams;
class frmBearbeitenTeam;
class frmBeziehungen;
class frmFerien;

struct MasterDataWindows {
  explicit MasterDataWindows(CalendarWindows& calendar);
  ~MasterDataWindows();
  MasterDataWindows(const MasterDataWindows&) = delete;
  MasterDataWindows& operator=(const MasterDataWindows&) = delete;

  State& s;
  CalendarWindows& calendar;
  forms::FormSlot<mv::frmMitarbeiter> frmMitarbeiter;
  forms::FormSlot<mv::frmBenutzer> frmBenutzer;
  forms::FormSlot<mv::frmTeams> frmTeams;
  forms::FormSlot<mv::frmBearbeitenTeam> frmBearbeitenTeam;
  forms::FormSlot<mv::frmBeziehungen> frmBeziehungen;
  forms::FormSlot<mv::frmFerien> frmFerien;
};

}  // namespace mv
