#include "calendar/frmKalender.h"

namespace mv {

frmKalender::frmKalender(State& s) : forms::Form(s.rt, "frmKalender"), s_(s) {
  LayOut();
  WireEvents();
}

void frmKalender::LayOut() {}

void frmKalender::Form_Load() { Show(); }

void frmKalender::cmbTeamAuswahl_Click() {}
void frmKalender::cmbMonat_Click() {}
void frmKalender::cmbJahr_Click() {}
void frmKalender::cmdMonBack_Click() {}
void frmKalender::cmdMonForward_Click() {}
void frmKalender::cmdZoomDec_Click() {}
void frmKalender::cmdZoomInc_Click() {}

void frmKalender::mnuInfo_Click() {}
void frmKalender::mnuKartei_Click() {}
void frmKalender::mnuAbhängigkeiten_Click() {}
void frmKalender::mnuTeams_Click() {}
void frmKalender::mnuFerien_Click() {}
void frmKalender::mnuJahresübersicht_Click() {}
void frmKalender::mnuOptionen_Click() {}
void frmKalender::mnuDruckAnsicht_Click() {}
void frmKalender::mnuDruckManager_Click() {}

}  // namespace mv
