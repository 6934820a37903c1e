// Two copies of the program, each with its own connection to one file, make the same write at the
// same moment. The second copy's whole write runs at each statement of the first copy's write in
// turn (SQLite's trace hook on the first copy's connection calls it): before the first copy reads,
// between its reading and its writing, while it writes. Whatever the moment, the file ends as one
// write after the other would leave it: the first copy finds the second copy's rows, or the second
// copy finds the file locked and says so.
#include <gtest/gtest.h>

#include <string>

#include "Proof.h"
#include "core/Main.h"
#include "db/Connection.h"
#include "masterdata/frmBearbeitenTeam.h"
#include "masterdata/frmTeams.h"

namespace {

using namespace prooftest;

struct Interleaving {
  int at = 0;    // the first copy's statement during which the second copy writes
  int seen = 0;  // statements of the first copy so far
  std::function<void()> secondWrite;
  std::string failure;  // what went wrong inside the hook, where nothing may be thrown
};

int AtStatement(unsigned, void* context, void*, void*) {
  auto& run = *static_cast<Interleaving*>(context);
  if (++run.seen != run.at) return 0;
  try {
    run.secondWrite();
  } catch (const std::exception& e) {
    run.failure = e.what();
  }
  return 0;
}

using Write = std::function<void(mvtest::TestApp&, mv::frmKalender&)>;

// For each statement of the first copy's write, two fresh copies on the seeded file, both logged
// in as Zoller: the first makes its write with the second copy's inside it at that statement;
// check reads the file then. The second runs in its own folder with its own settings and windows
// on the first copy's file and waits only briefly for its lock; its own file holds the same
// employees (the login reads his team and name there).
void AtEachStatement(const Write& firstWrite, const Write& secondWrite,
                     const std::function<void(mvtest::TestApp&)>& check) {
  CalendarApp seeded;
  int statements = 1;
  for (int at = 1; at <= statements; ++at) {
    SCOPED_TRACE("the second copy writes during statement " + std::to_string(at));
    ProofApp first(seeded.DbPath());
    mvtest::TestApp second;
    CopyInto(second, seeded.DbPath());
    mv::frmKalender& firstMain = Enter(first, 12, mv::GroupAdmin);
    mv::LoadSettingsAndTexts(second.s());
    second.s().Settings.Language = mv::LanguageGerman;
    second.s().Conn.Open(db::JetConnectionString(first.DbPath().string()));
    mv::frmKalender& secondMain = second.EnterAs(12, mv::GroupAdmin);
    second.s().Conn.SetBusyTimeout(10);
    // Refused while the first copy holds the write lock: whatever it says, it is answered.
    second.platform.ExpectMessageBox([](const forms::MessageBoxRequest&) { return true; },
                                     forms::vbOK);
    Interleaving run{at, 0, [&] { secondWrite(second, secondMain); }, ""};
    sqlite3_trace_v2(first.s().Conn.Handle(), SQLITE_TRACE_STMT, AtStatement, &run);
    firstWrite(first, firstMain);
    sqlite3_trace_v2(first.s().Conn.Handle(), 0, nullptr, nullptr);
    EXPECT_EQ(run.failure, "");
    statements = run.seen;
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
        EXPECT_EQ(app.Query("SELECT Datum, count(*) FROM tbl_Kalender GROUP BY PersNr, Datum"),
                  (Rows{{"2026-12-01", "1"}, {"2026-12-02", "1"}, {"2026-12-03", "1"}}));
        // Each copy wrote its days whole: the three days carry the code of the copy that wrote
        // last.
        EXPECT_EQ(app.Scalar("SELECT count(DISTINCT KennZ) FROM tbl_Kalender"), 1);
      });
}

// A new team is numbered after the last one: two added at once never share a number.
TEST(TwoCopies, AddingTeamsAtOnceNeverNumbersTwoAlike) {
  const auto addTeam = [](const std::string& name) {
    return [name](mvtest::TestApp& app, mv::frmKalender& main) {
      EXPECT_TRUE(main.UserShortcut("Ctrl+T"));
      app.masterdata().frmTeams->cmd_New.UserClick();
      mv::frmBearbeitenTeam& dialog = *app.masterdata().frmBearbeitenTeam;
      dialog.txt_Name.UserSetText(name);
      dialog.cmd_OK.UserClick();
    };
  };
  AtEachStatement(addTeam("Lager"), addTeam("Archiv"), [](mvtest::TestApp& app) {
    const Rows teams = app.Query("SELECT TeamNr FROM tbl_Teams ORDER BY TeamNr");
    Rows numbered;
    for (std::size_t nr = 0; nr < teams.size(); ++nr) numbered.push_back({std::to_string(nr)});
    EXPECT_EQ(teams, numbered);
  });
}

}  // namespace
