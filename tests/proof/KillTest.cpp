// Killed in the middle of a write: each write of several rows, driven as a user drives it in a
// child process, is killed (SIGKILL) at every change of a file in turn. The file opened
// afterwards passes SQLite's integrity check and holds the write whole or not at all.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <filesystem>
#include <limits>
#include <stdexcept>

#include "Proof.h"

namespace {

using namespace prooftest;
namespace fs = std::filesystem;

// The points of a write: after each write, truncation or sync of the database file or its journal
// (a row written or a journal deleted in between leaves the file as it was), counted by the child
// in memory shared with the parent.
int& Passed() {
  static int* const shared = static_cast<int*>(
      mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  if (shared == MAP_FAILED) throw std::runtime_error("no memory to share with the child");
  return *shared;
}

// The user's action on Zoller's main window, its questions scripted.
using Action = std::function<void(CalendarApp&, mv::frmKalender&)>;

// The action in a child process killed with SIGKILL right at point killAt (1-based), or run to its
// end with fewer points. The write is watched from the login on: opening windows writes nothing.
std::string RunAndKill(CalendarApp& app, const Action& action, int killAt) {
  Passed() = 0;
  return RunInChild(false, [&] {
    alarm(60);  // a child that hangs ends all the same
    WatchedDisk disk;
    mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
    disk.Watch([killAt] {
      if (++Passed() == killAt) raise(SIGKILL);
    });
    action(app, main);
    disk.Watch({});
    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  });
}

void ProveWholeOrNothing(CalendarApp& app, const Action& action) {
  const Rows before = Content(app);
  const fs::path pristine = app.Folder() / "pristine.mdb";
  fs::copy_file(app.DbPath(), pristine);
  ASSERT_EQ(RunAndKill(app, action, std::numeric_limits<int>::max()), "exit code 0");
  const int points = Passed();
  const Rows after = Content(app);
  ASSERT_NE(after, before) << "the write changed nothing";
  for (int point = 1; point <= points; ++point) {
    SCOPED_TRACE("killed at point " + std::to_string(point));
    fs::remove(app.DbPath().string() + "-journal");  // left by the killed run before
    CopyInto(app, pristine);
    ASSERT_EQ(RunAndKill(app, action, point), "killed by signal " + std::to_string(SIGKILL));
    ASSERT_EQ(Passed(), point);
    EXPECT_EQ(app.Query("PRAGMA integrity_check"), Rows{{"ok"}});
    const Rows found = Content(app);
    EXPECT_TRUE(found == before || found == after) << "the file holds part of the write";
  }
}

TEST(Killed, EnteringAbsencesForThirtyOneDays) {
  CalendarApp app;
  app.AddEntry(10, Dec(10), "Z?");
  app.AddEntry(10, Dec(11), "D/");
  app.AddEntry(21, Dec(10), "U/");
  ProveWholeOrNothing(app, [](CalendarApp& app, mv::frmKalender& main) {
    ExpectEnquiry(app, 1, 31);
    SelectDays(main, BergRow, 1, 31);
  });
}

TEST(Killed, DeletingThirtyOneDays) {
  CalendarApp app;
  for (int day = 1; day <= 31; ++day) app.AddEntry(10, Dec(day), "U?");
  app.AddEntry(11, Dec(5), "U/");
  ProveWholeOrNothing(app, [](CalendarApp& app, mv::frmKalender& main) {
    main.cmbModus.UserSelect(0);
    app.platform.ExpectMessageBox("Eintragungen vom 01.12.2026 bis 31.12.2026\rwirklich löschen?",
                                  forms::vbYes);
    SelectDays(main, BergRow, 1, 31);
  });
}

// A write of the windows' table over Adam with entries of two notes on every day and two logins,
// and teams 3 and 4 with members: the note's references are cleared with the note, his rows and
// logins go with his card, the teams and employees above a deleted team move down by one.
void ProveTableWrite(const std::string& name) {
  CalendarApp app;
  const long arzt = app.AddNote("Arzt");
  const long kur = app.AddNote("Kur");
  for (int day = 1; day <= 31; ++day) app.AddEntry(11, Dec(day), "Z/", day % 2 ? arzt : kur);
  app.AddLogin(11, "adam", "a1", 3);
  app.AddLogin(11, "adam2", "a2", 2);
  app.AddTeam(3, "Einkauf");
  app.AddTeam(4, "Lager");
  app.AddEmployee(31, "Ernst", "Egon", 3);
  app.AddEmployee(41, "Fink", "Fritz", 4);
  ProveWholeOrNothing(app, [&name](CalendarApp& app, mv::frmKalender& main) {
    UserWriteNamed(name).run({app, main, std::nullopt});
  });
}

TEST(Killed, DeletingANoteFromTheCatalogue) { ProveTableWrite("deleting a note"); }
TEST(Killed, DeletingAnEmployeeFromHisCard) { ProveTableWrite("deleting an employee"); }
TEST(Killed, DeletingATeamWithItsRenumbering) { ProveTableWrite("deleting a team"); }

}  // namespace
