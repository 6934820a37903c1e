// Killed in the middle of a write: each write of several rows runs in a child process, driven as a
// user drives it, and is killed (SIGKILL) at every point of its write in turn: after each row
// written, and after each write, sync or truncation of the database file or its journal and after
// the journal's deletion. The file opened afterwards passes SQLite's integrity check and holds the
// write whole or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <limits>

#include "Proof.h"

namespace {

using namespace prooftest;
namespace fs = std::filesystem;

// The user's action in the child on the main window of Zoller (an administrator), its questions
// scripted. The write is watched from the login on: opening the windows writes nothing.
using Action = std::function<void(CalendarApp&, mv::frmKalender&)>;

void ProveWholeOrNothing(const std::string& name, CalendarApp& app, const Action& action) {
  const Rows before = Content(app);
  const fs::path pristine = app.Folder() / "pristine.mdb";
  fs::copy_file(app.DbPath(), pristine);
  const auto scenario = [&](const Arm& arm) {
    mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
    arm(app.s().Conn.Handle());
    action(app, main);
    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  };

  const KillRun whole = RunAndKill(std::numeric_limits<int>::max(), scenario);
  ASSERT_FALSE(whole.killed);
  ASSERT_EQ(whole.end.exitCode, 0) << whole.end.Describe();
  const Rows after = Content(app);
  ASSERT_NE(after, before) << "the write changed nothing";
  ASSERT_GT(whole.passed.rows, 0);

  int nothing = 0, all = 0;
  for (int point = 1; point <= whole.passed.Total(); ++point) {
    SCOPED_TRACE("killed at point " + std::to_string(point));
    fs::remove(app.DbPath().string() + "-journal");  // left by the killed run before
    CopyInto(app, pristine);
    const KillRun run = RunAndKill(point, scenario);
    ASSERT_TRUE(run.killed) << run.end.Describe();
    EXPECT_EQ(IntegrityCheck(app), "ok");
    const Rows found = Content(app);
    if (found == before)
      ++nothing;
    else if (found == after)
      ++all;
    else
      ADD_FAILURE() << "the file holds part of the write";
  }
  std::cout << "[  proof   ] " << name << ": " << whole.passed.Total() << " kills ("
            << whole.passed.rows << " after a row, " << whole.passed.fileChanges
            << " after a change of a file); " << nothing << " left nothing written, " << all
            << " the whole write\n";
}

TEST(Killed, EnteringAbsencesForThirtyOneDays) {
  CalendarApp app;
  app.AddEntry(10, Dec(10), "Z?");
  app.AddEntry(10, Dec(11), "D/");
  app.AddEntry(21, Dec(10), "U/");
  ProveWholeOrNothing("31 days entered", app, [](CalendarApp& app, mv::frmKalender& main) {
    ExpectEnquiry(app, 1, 31);
    SelectDays(main, BergRow, 1, 31);
  });
}

TEST(Killed, DeletingThirtyOneDays) {
  CalendarApp app;
  for (int day = 1; day <= 31; ++day) app.AddEntry(10, Dec(day), "U?");
  app.AddEntry(11, Dec(5), "U/");
  ProveWholeOrNothing("31 days deleted", app, [](CalendarApp& app, mv::frmKalender& main) {
    main.cmbModus.UserSelect(0);
    app.platform.ExpectMessageBox("Eintragungen vom 01.12.2026 bis 31.12.2026\rwirklich löschen?",
                                  forms::vbYes);
    SelectDays(main, BergRow, 1, 31);
  });
}

// A write of the windows' table.
Action TableWrite(const std::string& name) {
  return [name](CalendarApp& app, mv::frmKalender& main) {
    UserWriteNamed(name).run({app, main, std::nullopt});
  };
}

// The note's references in tbl_Kalender are cleared together with the note.
TEST(Killed, DeletingANoteFromTheCatalogue) {
  CalendarApp app;
  const long arzt = app.AddNote("Arzt");
  const long kur = app.AddNote("Kur");
  for (int day = 1; day <= 15; ++day) {
    app.AddEntry(10, Dec(day), "U?", arzt);
    app.AddEntry(11, Dec(day), "Z/", day % 2 ? arzt : kur);
  }
  ProveWholeOrNothing("note deleted", app, TableWrite("deleting a note"));
}

// His calendar rows, his logins and his card go together.
TEST(Killed, DeletingAnEmployeeFromHisCard) {
  CalendarApp app;
  for (int day = 1; day <= 31; ++day) app.AddEntry(11, Dec(day), "U?");
  app.AddEntry(10, Dec(4), "U?");
  app.AddLogin(11, "adam", "a1", 3);
  app.AddLogin(11, "adam2", "a2", 2);
  ProveWholeOrNothing("employee deleted", app, TableWrite("deleting an employee"));
}

// Teams and employees above the deleted team move down by one number.
TEST(Killed, DeletingATeamWithItsRenumbering) {
  CalendarApp app;
  app.AddTeam(3, "Einkauf");
  app.AddTeam(4, "Lager");
  app.AddEmployee(31, "Ernst", "Egon", 3);
  app.AddEmployee(41, "Fink", "Fritz", 4);
  app.AddEmployee(42, "Graf", "Gisela", 4);
  ProveWholeOrNothing("team deleted", app, TableWrite("deleting a team"));
}

}  // namespace
