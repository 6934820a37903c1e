#include "program/Program.h"

#include "calendar/frmKalender.h"
#include "core/Main.h"
#include "masterdata/frmBeziehungen.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"
#include "masterdata/frmTeams.h"
#include "overview/frmDrucken.h"
#include "overview/frmInfo.h"
#include "overview/frmJahresansicht.h"
#include "overview/frmOptionen.h"

namespace mv {

Program::Program(forms::Platform& platform)
    : s(platform), core(s), calendar(core), masterdata(calendar), overview(calendar) {
  Connect();
}

int Program::Start() { return Main(core); }

void Program::Connect() {
  core.LoadMainWindow = [this] { calendar.frmKalender.Load(); };

  MainWindowLinks& links = calendar.links;
  links.OpenEmployeeCard = [this] { masterdata.frmMitarbeiter->Open(); };
  links.OpenTeams = [this] { OpenTeams(masterdata); };
  links.SetUpCompanions = [this] {
    overview.frmJahresansicht->TakeCalendarFont();
    masterdata.frmMitarbeiter->SetToolTips();
    masterdata.frmFerien->SetToolTips();
  };
  links.OpenAnnualOverview = [this] { OpenAnnualOverview(overview); };
  links.TeamNamesRead = [this](const std::vector<std::string>& names) {
    masterdata.frmMitarbeiter->ShowTeams(names);
  };
  links.OpenDependencies = [this] { masterdata.frmBeziehungen->Open(); };
  links.OpenHolidays = [this] { masterdata.frmFerien->Open(); };
  links.OpenOptions = [this] { OpenOptions(overview); };
  links.OpenPrintManager = [this] { OpenPrintManager(overview); };
  links.OpenAbout = [this] { OpenAbout(overview); };
  links.ShownHolidayWindow = [this]() -> forms::Form* {
    frmFerien* holidays = masterdata.frmFerien.IfLoaded();
    return holidays && holidays->Visible() ? holidays : nullptr;
  };
}

}  // namespace mv
