// Two copies of the program on one file make the same write at once: the second copy's whole write
// runs at each statement of the first copy's write in turn (SQLite's trace hook calls it). The file
// ends as one write after the other would leave it: the first copy finds the second copy's rows, or
// the second copy finds the file locked and says so.
#include <gtest/gtest.h>

#include <string>

#include "Proof.h"
#include "masterdata/frmBearbeitenTeam.h"
#include "masterdata/frmTeams.h"

namespace {

using namespace prooftest;

using Write = std::function<void(mvtest::TestApp&, mv::frmKalender&)>;

// For each statement of the first copy's write, two fresh copies logged in as Zoller, the second
// in its own folder on the first copy's file, waiting only briefly for its lock; check reads the
// file then.
void AtEachStatement(const Write& firstWrite, const Write& secondWrite,
                     const std::function<void(mvtest::TestApp&)>& check) {
  CalendarApp seeded;
  int statements = 1;
  for (int at = 1; at <= statements; ++at) {
    SCOPED_TRACE("the second copy writes during statement " + std::to_string(at));
    ProofApp first(seeded.DbPath());
    mvtest::TestApp second;
    mv::frmKalender& firstMain = Enter(first, 12, mv::GroupAdmin);
    Configure(second, mv::LanguageGerman, first.DbPath());
    mv::frmKalender& secondMain = Start(second, 10);
    // Refused while the first copy holds the write lock: whatever it says, it is answered.
    second.platform.ExpectMessageBox([](const forms::MessageBoxRequest&) { return true; },
                                     forms::vbOK);
    int seen = 0;
    std::string failure;  // what went wrong inside the hook, where nothing may be thrown
    std::function<void()> hook = [&] {
      if (++seen != at) return;
      try {
        secondWrite(second, secondMain);
      } catch (const std::exception& e) {
        failure = e.what();
      }
    };
    const auto atStatement = [](unsigned, void* hook, void*, void*) {
      (*static_cast<std::function<void()>*>(hook))();
      return 0;
    };
    sqlite3_trace_v2(first.s().Conn.Handle(), SQLITE_TRACE_STMT, atStatement, &hook);
    firstWrite(first, firstMain);
    sqlite3_trace_v2(first.s().Conn.Handle(), 0, nullptr, nullptr);
    EXPECT_EQ(failure, "");
    statements = seen;
    check(first);
  }
  EXPECT_GT(statements, 3);
}

TEST(TwoCopies, EnteringTheSameDaysAtOnceNeverLeavesTwoRowsForADay) {
  AtEachStatement(
      [](mvtest::TestApp& app, mv::frmKalender& main) {
        ExpectEnquiry(app, 1, 3);
        SelectDays(main, BergRow, 1, 3);
      },
      [](mvtest::TestApp& app, mv::frmKalender& main) {
        main.opt_agree.UserClick();
        app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "genehmigen"), forms::vbYes);
        NoNote(app);
        SelectDays(main, BergRow, 1, 3);
      },
      [](mvtest::TestApp& app) {
        // Each copy wrote its days whole: all three carry the code of the copy that wrote last.
        EXPECT_EQ(
            app.Query("SELECT Datum, count(*), (SELECT count(DISTINCT KennZ) FROM "
                      "tbl_Kalender) FROM tbl_Kalender GROUP BY PersNr, Datum"),
            (Rows{{"2026-12-01", "1", "1"}, {"2026-12-02", "1", "1"}, {"2026-12-03", "1", "1"}}));
      });
}

// A new team is numbered after the last one: two added at once never share a number.
TEST(TwoCopies, AddingTeamsAtOnceNeverNumbersTwoAlike) {
  const auto addTeam = [](const std::string& name) {
    return [name](mvtest::TestApp& app, mv::frmKalender& main) {
      EXPECT_TRUE(main.UserShortcut("Ctrl+T"));
      app.masterdata().frmTeams->cmd_New.UserClick();
      app.masterdata().frmBearbeitenTeam->txt_Name.UserSetText(name);
      app.masterdata().frmBearbeitenTeam->cmd_OK.UserClick();
    };
  };
  AtEachStatement(addTeam("Lager"), addTeam("Archiv"), [](mvtest::TestApp& app) {
    const Rows n =
        app.Query("SELECT count(*), count(DISTINCT TeamNr), max(TeamNr) + 1 FROM tbl_Teams");
    EXPECT_EQ(n[0][1], n[0][0]);
    EXPECT_EQ(n[0][2], n[0][0]);
  });
}

}  // namespace
