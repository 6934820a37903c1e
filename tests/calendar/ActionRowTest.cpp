// The mode list and the three actions: what each choice sets and shows by group, and the codes
// they lead to.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "CalendarTestSupport.h"

namespace {

using namespace caltest;

// The labels and options 1-3 (approve, enquire, decline) and which are enabled: labels, then
// options.
using Flags = std::vector<bool>;
const Flags All(6, true), Nothing(6, false);
const Flags NoEnquiry = {true, false, true, true, false, true};
const Flags EnquiryOnly = {false, true, false, false, true, false};
const Texts Actions = {"genehmigen", "anfragen", "ablehnen"};
const Texts SickActions = {"entschuldigt", "---", "unentschuldigt"};

// A user's choice and what the action row shows after it: the chosen action's label underlined
// and its option set, the captions and the enabled controls.
struct Step {
  const char* what;
  std::function<void(mv::frmKalender&)> choose;
  const char* type;
  const char* action;
  int chosen;
  const Texts& captions;
  const Flags& enabled;
};

void Follow(mvtest::TestApp& app, mv::frmKalender& k, const std::vector<Step>& steps) {
  const forms::Label* labels[] = {&k.lbl_action1, &k.lbl_action2, &k.lbl_action3};
  const forms::OptionButton* options[] = {&k.opt_agree, &k.opt_enquire, &k.opt_decline};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.choose(k);
    EXPECT_EQ(mv::Keyword(app.s().CurrentType), step.type);
    EXPECT_EQ(mv::Keyword(app.s().CurrentAction), step.action);
    Flags underlined, set, enabled;
    for (int i = 0; i < 3; ++i) {
      underlined.push_back(labels[i]->FontUnderline());
      set.push_back(options[i]->Value());
      enabled.push_back(labels[i]->Enabled());
    }
    for (const forms::OptionButton* option : options) enabled.push_back(option->Enabled());
    const Flags chosen = {step.chosen == 1, step.chosen == 2, step.chosen == 3};
    EXPECT_EQ(underlined, chosen);
    EXPECT_EQ(set, chosen);
    EXPECT_EQ(Captions({labels[0], labels[1], labels[2]}), step.captions);
    EXPECT_EQ(enabled, step.enabled);
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
void Stay(mv::frmKalender&) {}

TEST(ActionRow, AdministratorsChooseEveryKindAndAction) {
  CalendarApp app;
  auto& k = Enter(app, 11, 1);
  using K = mv::frmKalender;
  Follow(
      app, k,
      {
          {"login", Stay, "Urlaub", "anfragen", 2, Actions, All},
          {"decline", Click(&K::lbl_action3), "Urlaub", "ablehnen", 3, Actions, All},
          {"sick starts excused", Mode(2), "Krank", "Entschuldigt", 1, SickActions, NoEnquiry},
          {"sick cannot be enquired",
           [](K& w) {
             w.opt_enquire.UserClick();
             w.lbl_action2.UserClick();
           },
           "Krank", "Entschuldigt", 1, SickActions, NoEnquiry},
          {"unexcused", Click(&K::lbl_action3), "Krank", "Unentschuldigt", 3, SickActions,
           NoEnquiry},
          {"excused", Click(&K::opt_agree), "Krank", "Entschuldigt", 1, SickActions, NoEnquiry},
          {"overtime restores the captions", Mode(3), "Zeitausgleich", "anfragen", 2, Actions, All},
          {"approve", Click(&K::opt_agree), "Zeitausgleich", "genehmigen", 1, Actions, All},
          {"delete keeps the action", Mode(0), "Löschen", "genehmigen", 1, Actions, Nothing},
          {"other days", Mode(5), "Sonstiges", "anfragen", 2, Actions, All},
          {"from an enquiry to sick", Mode(2), "Krank", "Entschuldigt", 1, SickActions, NoEnquiry},
      });
}

TEST(ActionRow, EmployeesHaveNoSickModeAndOnlyEnquire) {
  CalendarApp app;
  auto& k = Enter(app, 10, mv::GroupEmployee);
  using K = mv::frmKalender;
  Follow(app, k,
         {
             {"login", Stay, "Urlaub", "anfragen", 2, Actions, EnquiryOnly},
             {"delete", Mode(0), "Löschen", "anfragen", 2, Actions, Nothing},
             {"vacation", Mode(1), "Urlaub", "anfragen", 2, Actions, EnquiryOnly},
             {"overtime", Mode(2), "Zeitausgleich", "anfragen", 2, Actions, EnquiryOnly},
             {"approve and decline stay off",
              [](K& w) {
                w.lbl_action1.UserClick();
                w.opt_decline.UserClick();
              },
              "Zeitausgleich", "anfragen", 2, Actions, EnquiryOnly},
             {"business trip", Mode(3), "Dienstreise", "anfragen", 2, Actions, EnquiryOnly},
             {"other days", Mode(4), "Sonstiges", "anfragen", 2, Actions, EnquiryOnly},
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
