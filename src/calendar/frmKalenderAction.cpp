#include <initializer_list>
#include <optional>

#include "calendar/AbsenceCode.h"
#include "calendar/frmKalender.h"

namespace mv {

void frmKalender::cmbModus_Click() {
  // Group 3 keeps approve and decline disabled as the set-up left them: it may only enquire.
  if (s_.UserGroup != GroupEmployee) {
    lbl_action1.SetEnabled(true);
    lbl_action3.SetEnabled(true);
    opt_decline.SetEnabled(true);
    opt_agree.SetEnabled(true);
  }
  opt_enquire.SetEnabled(true);
  lbl_action2.SetEnabled(true);

  const std::optional<EntryType> mode = ModeAt(cmbModus.ListIndex(), s_.UserGroup == GroupEmployee);
  if (!mode) return;
  s_.CurrentType = *mode;

  if (*mode == EntryType::Löschen) {
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &lbl_action1, &lbl_action2, &lbl_action3, &opt_enquire, &opt_decline, &opt_agree})
      c->SetEnabled(false);
    return;
  }

  if (*mode == EntryType::Krank) {
    lbl_action1.SetCaption(s_.T(45));
    lbl_action2.SetCaption("---");
    lbl_action2.SetEnabled(false);
    opt_enquire.SetEnabled(false);
    lbl_action3.SetCaption(s_.T(46));
    lbl_action1_Click();
    return;
  }

  lbl_action1.SetCaption(s_.T(35));
  lbl_action2.SetCaption(s_.T(36));
  lbl_action2.SetEnabled(true);
  opt_enquire.SetEnabled(true);
  lbl_action3.SetCaption(s_.T(37));
  lbl_action2_Click();
}

void frmKalender::lbl_action1_Click() { SelectApprove(w_); }
void frmKalender::opt_agree_Click() { SelectApprove(w_); }
void frmKalender::lbl_action2_Click() { SelectEnquire(w_); }
void frmKalender::opt_enquire_Click() { SelectEnquire(w_); }
void frmKalender::lbl_action3_Click() { SelectDecline(w_); }
void frmKalender::opt_decline_Click() { SelectDecline(w_); }

}  // namespace mv
