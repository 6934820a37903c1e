#include "calendar/AbsenceCode.h"

#include <array>

#include "calendar/EntryLook.h"
#include "calendar/frmKalender.h"

namespace mv {

namespace {

constexpr std::array<std::string_view, 6> kModesAll = {"Löschen",       "Urlaub",      "Krank",
                                                       "Zeitausgleich", "Dienstreise", "Sonstiges"};
constexpr std::array<std::string_view, 5> kModesEmployee = {"Löschen", "Urlaub", "Zeitausgleich",
                                                            "Dienstreise", "Sonstiges"};

enum class Choice { Approve, Enquire, Decline };

void ShowChoice(State& s, Choice choice) {
  frmKalender* f = s.frmKalender.IfLoaded();
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

bool IsSick(const State& s) { return s.CurrentType == "Krank"; }

}  // namespace

std::string ModeKeyword(int listIndex, int userGroup) {
  if (userGroup == GroupEmployee) {
    if (listIndex < 0 || listIndex >= static_cast<int>(kModesEmployee.size())) return "";
    return std::string(kModesEmployee[static_cast<size_t>(listIndex)]);
  }
  if (listIndex < 0 || listIndex >= static_cast<int>(kModesAll.size())) return "";
  return std::string(kModesAll[static_cast<size_t>(listIndex)]);
}

std::string SignOf(std::string_view action) {
  if (action == "genehmigen" || action == "Entschuldigt") return "/";
  if (action == "anfragen") return "?";
  if (action == "ablehnen" || action == "Unentschuldigt") return "!";
  return "";
}

std::string KennZOf(std::string_view type, std::string_view sign) {
  if (sign != "/" && sign != "?" && sign != "!") return "";
  if (type == "Krank") return sign == "?" ? "" : "K" + std::string(sign);
  if (type == "Urlaub" || type == "Zeitausgleich" || type == "Dienstreise" || type == "Sonstiges")
    return std::string(1, type.front()) + std::string(sign);
  return "";
}

void SelectApprove(State& s) {
  s.CurrentAction = IsSick(s) ? "Entschuldigt" : "genehmigen";
  ShowChoice(s, Choice::Approve);
}

void SelectEnquire(State& s) {
  s.CurrentAction = "anfragen";
  ShowChoice(s, Choice::Enquire);
}

void SelectDecline(State& s) {
  s.CurrentAction = IsSick(s) ? "Unentschuldigt" : "ablehnen";
  ShowChoice(s, Choice::Decline);
}

void PrepareKennZ(State& s) {
  s.CurrentSign = SignOf(s.CurrentAction);
  s.CurrentKennZ = KennZOf(s.CurrentType, s.CurrentSign);
  const auto color = StateColor(s.CurrentSign);
  if (frmKalender* f = s.frmKalender.IfLoaded(); f && color) f->grdCal.SetCellBackColor(*color);
}

}  // namespace mv
