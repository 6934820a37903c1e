// The mode list and the three actions: what each choice sets and shows by group and language, and
// the codes they lead to.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "CalendarTestSupport.h"

namespace {

using namespace caltest;

// A user's choice and what the action row shows after it. shown: the underlined label and the set
// option ("2/2": enquire); enabled: labels 1-3, then the options agree, enquire, decline.
struct Step {
  const char* what;
  std::function<void(mv::frmKalender&)> choose;
  const char* type;
  const char* action;
  const char* shown;
  const char* captions;
  const char* enabled;
};

std::string Shown(mv::frmKalender& k) {
  std::string labels, options;
  for (auto [label, digit] :
       {std::pair{&k.lbl_action1, "1"}, {&k.lbl_action2, "2"}, {&k.lbl_action3, "3"}})
    if (label->FontUnderline()) labels += digit;
  for (auto [option, digit] :
       {std::pair{&k.opt_agree, "1"}, {&k.opt_enquire, "2"}, {&k.opt_decline, "3"}})
    if (option->Value()) options += digit;
  return labels + "/" + options;
}

std::string Enabled(mv::frmKalender& k) {
  std::string out;
  for (forms::Control* c :
       std::vector<forms::Control*>{&k.lbl_action1, &k.lbl_action2, &k.lbl_action3, &k.opt_agree,
                                    &k.opt_enquire, &k.opt_decline})
    out += c->Enabled() ? "1" : "0";
  return out;
}

void Follow(mvtest::TestApp& app, mv::frmKalender& k, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.choose(k);
    EXPECT_EQ(mv::Keyword(app.s().CurrentType), step.type);
    EXPECT_EQ(mv::Keyword(app.s().CurrentAction), step.action);
    EXPECT_EQ(Shown(k), step.shown);
    EXPECT_EQ(
        k.lbl_action1.Caption() + "|" + k.lbl_action2.Caption() + "|" + k.lbl_action3.Caption(),
        step.captions);
    EXPECT_EQ(Enabled(k), step.enabled);
  }
}

auto Mode(int index) {
  return [index](mv::frmKalender& k) { k.cmbModus.UserSelect(index); };
}
auto Click(forms::Label mv::frmKalender::*label) {
  return [label](mv::frmKalender& k) { (k.*label).UserClick(); };
}
auto Click(forms::OptionButton mv::frmKalender::*option) {
  return [option](mv::frmKalender& k) { (k.*option).UserClick(); };
}
void Nothing(mv::frmKalender&) {}

const char* const Actions = "genehmigen|anfragen|ablehnen";
const char* const SickActions = "entschuldigt|---|unentschuldigt";

TEST(ActionRow, AdministratorsChooseEveryKindAndAction) {
  CalendarApp app;
  auto& k = Enter(app, 11, 1);
  using K = mv::frmKalender;
  Follow(
      app, k,
      {
          {"login", Nothing, "Urlaub", "anfragen", "2/2", Actions, "111111"},
          {"decline", Click(&K::lbl_action3), "Urlaub", "ablehnen", "3/3", Actions, "111111"},
          {"sick starts excused", Mode(2), "Krank", "Entschuldigt", "1/1", SickActions, "101101"},
          {"sick cannot be enquired",
           [](K& w) {
             w.opt_enquire.UserClick();
             w.lbl_action2.UserClick();
           },
           "Krank", "Entschuldigt", "1/1", SickActions, "101101"},
          {"unexcused", Click(&K::lbl_action3), "Krank", "Unentschuldigt", "3/3", SickActions,
           "101101"},
          {"excused", Click(&K::opt_agree), "Krank", "Entschuldigt", "1/1", SickActions, "101101"},
          {"overtime restores the captions", Mode(3), "Zeitausgleich", "anfragen", "2/2", Actions,
           "111111"},
          {"approve", Click(&K::opt_agree), "Zeitausgleich", "genehmigen", "1/1", Actions,
           "111111"},
          {"delete keeps the action", Mode(0), "Löschen", "genehmigen", "1/1", Actions, "000000"},
          {"other days", Mode(5), "Sonstiges", "anfragen", "2/2", Actions, "111111"},
          {"from an enquiry to sick", Mode(2), "Krank", "Entschuldigt", "1/1", SickActions,
           "101101"},
      });
}

TEST(ActionRow, EmployeesHaveNoSickModeAndOnlyEnquire) {
  CalendarApp app;
  auto& k = Enter(app, 10, mv::GroupEmployee);
  using K = mv::frmKalender;
  Follow(app, k,
         {
             {"login", Nothing, "Urlaub", "anfragen", "2/2", Actions, "010010"},
             {"delete", Mode(0), "Löschen", "anfragen", "2/2", Actions, "000000"},
             {"vacation", Mode(1), "Urlaub", "anfragen", "2/2", Actions, "010010"},
             {"overtime", Mode(2), "Zeitausgleich", "anfragen", "2/2", Actions, "010010"},
             {"approve and decline stay off",
              [](K& w) {
                w.lbl_action1.UserClick();
                w.opt_decline.UserClick();
              },
              "Zeitausgleich", "anfragen", "2/2", Actions, "010010"},
             {"business trip", Mode(3), "Dienstreise", "anfragen", "2/2", Actions, "010010"},
             {"other days", Mode(4), "Sonstiges", "anfragen", "2/2", Actions, "010010"},
         });
}

// Each mode with each action writes its code; no mode and action lead to "K?" or any other code.
TEST(ActionRow, ModesAndActionsWriteExactlyTheFourteenCodes) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  std::set<std::string> written;
  int day = 0;
  for (int mode = 1; mode <= 5; ++mode) {
    k.cmbModus.UserSelect(mode);
    for (forms::Label* label : {&k.lbl_action1, &k.lbl_action2, &k.lbl_action3}) {
      label->UserClick();
      app.platform.ExpectMessageBox([](const forms::MessageBoxRequest&) { return true; },
                                    forms::vbYes);
      NoNote(app);
      ++day;
      SelectDays(k, BergRow, day, day);
      written.insert(app.EntryOn(10, Dec(day)));
      EXPECT_EQ(k.grdCal.TextMatrix(BergRow, day), std::string(1, "UKZDS"[mode - 1]));
    }
  }
  EXPECT_EQ(written, (std::set<std::string>{"U/", "U?", "U!", "K/", "K!", "Z/", "Z?", "Z!", "D/",
                                            "D?", "D!", "S/", "S?", "S!"}));
}

}  // namespace
