#include "calendar/AbsenceCode.h"

#include "calendar/EntryLook.h"
#include "calendar/frmKalender.h"

namespace mv {

namespace {

enum class Choice { Approve, Enquire, Decline };

void ShowChoice(CalendarWindows& w, Choice choice) {
  frmKalender* f = w.frmKalender.IfLoaded();
  if (!f) return;
  f->lbl_action1.SetFontUnderline(choice == Choice::Approve);
  f->lbl_action2.SetFontUnderline(choice == Choice::Enquire);
  f->lbl_action3.SetFontUnderline(choice == Choice::Decline);
  // Setting the option raises its Click, which comes back here with the same result.
  switch (choice) {
    case Choice::Approve:
      f->opt_agree.SetValue(true);
      break;
    case Choice::Enquire:
      f->opt_enquire.SetValue(true);
      break;
    case Choice::Decline:
      f->opt_decline.SetValue(true);
      break;
  }
}

bool IsSick(const State& s) { return s.CurrentType == EntryType::Krank; }

}  // namespace

void SelectApprove(CalendarWindows& w) {
  w.s.CurrentAction = IsSick(w.s) ? EntryAction::Entschuldigt : EntryAction::genehmigen;
  ShowChoice(w, Choice::Approve);
}

void SelectEnquire(CalendarWindows& w) {
  w.s.CurrentAction = EntryAction::anfragen;
  ShowChoice(w, Choice::Enquire);
}

void SelectDecline(CalendarWindows& w) {
  w.s.CurrentAction = IsSick(w.s) ? EntryAction::Unentschuldigt : EntryAction::ablehnen;
  ShowChoice(w, Choice::Decline);
}

void PrepareKennZ(CalendarWindows& w) {
  State& s = w.s;
  const char sign = Sign(s.CurrentAction);
  s.CurrentSign = std::string(1, sign);
  s.CurrentKennZ = KennZOf(s.CurrentType, sign);
  const auto color = StateColor(s.CurrentSign);
  if (frmKalender* f = w.frmKalender.IfLoaded(); f && color) f->grdCal.SetCellBackColor(*color);
}

}  // namespace mv
