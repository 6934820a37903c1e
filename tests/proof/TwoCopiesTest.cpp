// Two copies of the program, each with its own connection to one file, enter the same employee's
// same days at the same moment. The second copy's whole entry runs at each statement of the first
// copy's entry in turn (SQLite's trace hook on the first copy's connection calls it): before the
// first copy reads, between its reading and its writing, while it writes. Whatever the moment,
// every day ends with one row: the first copy finds the second copy's rows and changes them in
// place, or the second copy finds the file locked and says so.
#include <gtest/gtest.h>

#include <string>

#include "ProofSupport.h"

namespace {

using namespace prooftest;

struct Interleaving {
  int at = 0;    // the first copy's statement during which the second copy enters its days
  int seen = 0;  // statements of the first copy so far
  std::function<void()> secondEntry;
  std::string failure;  // what went wrong inside the hook, where nothing may be thrown
};

int AtStatement(unsigned, void* context, void*, void*) {
  auto& run = *static_cast<Interleaving*>(context);
  if (++run.seen != run.at) return 0;
  try {
    run.secondEntry();
  } catch (const std::exception& e) {
    run.failure = e.what();
  }
  return 0;
}

TEST(TwoCopies, EnteringTheSameDaysAtOnceNeverLeavesTwoRowsForADay) {
  CalendarApp seeded;
  int statements = 0;
  for (int at = 1; at == 1 || at <= statements; ++at) {
    SCOPED_TRACE("the second copy enters during statement " + std::to_string(at));
    ProofApp first(seeded.DbPath());
    mvtest::TestApp second;  // its own file holds the same employees
    CopyInto(second, seeded.DbPath());
    mv::frmKalender& k1 = Enter(first, 12, mv::GroupAdmin);
    mv::frmKalender& k2 = EnterSecondCopy(second, first.DbPath(), 12, mv::GroupAdmin);
    second.s().Conn.SetBusyTimeout(10);
    k2.opt_agree.UserClick();

    Interleaving run;
    run.at = at;
    run.secondEntry = [&] {
      second.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "genehmigen"), forms::vbYes);
      NoNote(second);
      // Refused while the first copy holds the write lock.
      second.platform.ExpectMessageBox([](const forms::MessageBoxRequest&) { return true; },
                                       forms::vbOK);
      SelectDays(k2, BergRow, 1, 3);
    };
    sqlite3_trace_v2(first.s().Conn.Handle(), SQLITE_TRACE_STMT, AtStatement, &run);
    ExpectEnquiry(first, 1, 3);
    SelectDays(k1, BergRow, 1, 3);
    sqlite3_trace_v2(first.s().Conn.Handle(), 0, nullptr, nullptr);
    statements = run.seen;

    EXPECT_EQ(run.failure, "");
    EXPECT_EQ(first.Query("SELECT Datum, count(*) FROM tbl_Kalender GROUP BY PersNr, Datum"),
              (Rows{{"2026-12-01", "1"}, {"2026-12-02", "1"}, {"2026-12-03", "1"}}));
    // Each copy wrote its days whole: the three days carry the code of the copy that wrote last.
    EXPECT_EQ(first.Scalar("SELECT count(DISTINCT KennZ) FROM tbl_Kalender"), 1);
  }
  EXPECT_GT(statements, 3);
}

}  // namespace
