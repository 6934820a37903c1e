#include "calendar/frmKalender.h"

namespace mv {

void frmKalender::WireEvents() {
  mnuInfo.Click = [this] { mnuInfo_Click(); };
  mnuLogOut.Click = [this] { mnuLogOut_Click(); };
  mnuTerminate.Click = [this] { mnuTerminate_Click(); };
  mnuKartei.Click = [this] { mnuKartei_Click(); };
  mnuAbhängigkeiten.Click = [this] { mnuAbhängigkeiten_Click(); };
  mnuTeams.Click = [this] { mnuTeams_Click(); };
  mnuNotizen.Click = [this] { mnuNotizen_Click(); };
  mnuFerien.Click = [this] { mnuFerien_Click(); };
  mnuJahresübersicht.Click = [this] { mnuJahresübersicht_Click(); };
  mnuOptionen.Click = [this] { mnuOptionen_Click(); };
  mnuDruckAnsicht.Click = [this] { mnuDruckAnsicht_Click(); };
  mnuDruckManager.Click = [this] { mnuDruckManager_Click(); };

  cmbTeamAuswahl.Click = [this] { cmbTeamAuswahl_Click(); };
  cmbMonat.Click = [this] { cmbMonat_Click(); };
  cmbJahr.Click = [this] { cmbJahr_Click(); };
  cmdMonBack.Click = [this] { cmdMonBack_Click(); };
  cmdMonForward.Click = [this] { cmdMonForward_Click(); };
  cmdZoomDec.Click = [this] { cmdZoomDec_Click(); };
  cmdZoomInc.Click = [this] { cmdZoomInc_Click(); };

  cmbModus.Click = [this] { cmbModus_Click(); };
  lbl_action1.Click = [this] { lbl_action1_Click(); };
  lbl_action2.Click = [this] { lbl_action2_Click(); };
  lbl_action3.Click = [this] { lbl_action3_Click(); };
  opt_agree.Click = [this] { opt_agree_Click(); };
  opt_enquire.Click = [this] { opt_enquire_Click(); };
  opt_decline.Click = [this] { opt_decline_Click(); };

  opt_Info.ForEach(
      [this](int i, forms::OptionButton& o) { o.Click = [this, i] { opt_Info_Click(i); }; });

  grdCal.DblClick = [this] { grdCal_DblClick(); };
  grdCal.MouseDown = [this](int b, int sh, float x, float y) { grdCal_MouseDown(b, sh, x, y); };
  grdCal.MouseMove = [this](int b, int sh, float x, float y) { grdCal_MouseMove(b, sh, x, y); };
  grdCal.MouseUp = [this](int b, int sh, float x, float y) { grdCal_MouseUp(b, sh, x, y); };
  grdCal.SelChange = [this] { grdCal_SelChange(); };
}

}  // namespace mv
