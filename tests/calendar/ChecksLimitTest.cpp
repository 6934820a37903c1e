// The team's limit of absent members, read from the month grid as shown, and the member count.
#include <gtest/gtest.h>

#include "EntrySupport.h"
#include "calendar/AbsenceChecks.h"

namespace {

using namespace entrytest;

class ChecksLimit : public ::testing::Test {
 protected:
  mv::frmKalender& Open(int maxAbw) {
    SeedTeam(app, maxAbw);
    mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
    app.s().Settings.NotifyDependencies = 0;
    return k;
  }

  // Enquires vacation for Berg; the limit question is expected exactly when asked is true.
  void Request(mv::frmKalender& k, int first, int last, bool asked) {
    app.platform.ExpectMessageBox(first == last ? "Am " + Dec(first).ToShort() + " Urlaub anfragen ?"
                                                : RangeQuestion(first, last, "Urlaub", "anfragen"),
                                  forms::vbYes);
    if (asked) app.platform.ExpectMessageBox(app.s().T(101), forms::vbYes);
    NoNote(app);
    SelectDays(k, BergRow, first, last);
    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  }

  mvtest::TestApp app;
};

TEST_F(ChecksLimit, OwnEntriesCountOnceAndEveryOtherAbsentMemberCounts) {
  mv::frmKalender& k = Open(2);
  app.AddEntry(11, Dec(1), "U!");
  app.AddEntry(10, Dec(1), "U?");
  k.cmdMonForward.UserClick();
  k.cmdMonBack.UserClick();
  k.opt_agree.UserClick();
  app.platform.ExpectMessageBox("Am 01.12.2026 Urlaub genehmigen ?", forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 1, 1);
  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.EntryOn(10, Dec(1)), "U/");

  app.AddEntry(12, Dec(1), "K/");
  k.cmdMonForward.UserClick();
  k.cmdMonBack.UserClick();
  k.opt_enquire.UserClick();
  Request(k, 1, 1, true);
}

TEST_F(ChecksLimit, LimitOfOneIsExceededBySecondAbsentMemberAndAskedOncePerRun) {
  mv::frmKalender& k = Open(1);
  Request(k, 1, 1, false);
  app.AddEntry(11, Dec(5), "Z?");
  app.AddEntry(11, Dec(6), "Z?");
  k.cmdMonForward.UserClick();
  k.cmdMonBack.UserClick();
  Request(k, 4, 7, true);
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender WHERE PersNr = 10"), 5);
}

TEST_F(ChecksLimit, LimitOfThirtyIsNeverAsked) {
  mv::frmKalender& k = Open(30);
  app.AddEntry(11, Dec(8), "U/");
  app.AddEntry(12, Dec(8), "S!");
  k.cmdMonForward.UserClick();
  k.cmdMonBack.UserClick();
  Request(k, 8, 8, false);
}

TEST(ChecksCount, CountsTheMembersOfOneTeam) {
  mvtest::TestApp app;
  SeedTeam(app);
  app.AddTeam(1, "Leer");
  app.AddTeam(2, "Vertrieb");
  app.AddEmployee(20, "Roth", "Ina", 2);
  app.OpenProgram();
  EXPECT_EQ(mv::CountTeamMembers(app.s(), 0), 3);
  EXPECT_EQ(mv::CountTeamMembers(app.s(), 1), 0);
  EXPECT_EQ(mv::CountTeamMembers(app.s(), 2), 1);
}

}  // namespace
