// A file another program holds locked for longer than the program's wait: the busy file is said
// once per action and never taken for a missing one, a calendar that could not be read is not
// printed, and the window freezes no longer than one wait. Or a file the program cannot write.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "Proof.h"
#include "core/Main.h"
#include "overview/frmDrucken.h"

namespace {

using namespace prooftest;
namespace fs = std::filesystem;

int BoxesNaming(mvtest::TestApp& app, const std::string& text) {
  const auto& boxes = app.platform.MessageBoxes();
  return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [&](const auto& box) {
    return box.Request.Prompt.find(text) != std::string::npos;
  }));
}

// Held exclusively, the file cannot even be read: every message the entry of absences, the note
// catalogue and the holiday calendar show meanwhile (already the pointer over the calendar reads)
// is the busy message.
TEST(LockedFile, AnExclusiveLockIsReportedAsBusyWhereverTheProgramMeetsIt) {
  SeededForWrites seeded;
  const std::string busy = MessageFor(Obstacle::Lock);
  for (const char* name : {"an entry of absences", "saving a note", "marking a holiday"}) {
    SCOPED_TRACE(name);
    const UserWrite& write = UserWriteNamed(name);
    // The questions after the first failed read are never asked: no count of boxes is checked.
    mvtest::TestApp app;
    CopyInto(app, seeded.DbPath());
    mv::frmKalender& main = Start(app);
    const Rows before = Content(app);
    for (int i = 0; i < 10; ++i) app.ExpectBoxNaming(busy);
    {
      OtherProgramLock lock(app.DbPath(), LockKind::Exclusive);
      write.run({app, main, busy});
    }
    EXPECT_GE(BoxesNaming(app, busy), 1);
    EXPECT_EQ(Content(app), before);

    // The calendar a failed reading left without members is read again with another month.
    main.cmdMonForward.UserClick();
    main.cmdMonBack.UserClick();
    write.run({app, main, std::nullopt});
    EXPECT_NE(Content(app), before);
  }
}

// Held by another copy at the start, the configured file is busy, not missing: the user may try
// again or end the program, and the local file is never taken in its place.
TEST(LockedFile, AFileHeldAtTheStartIsOfferedAgainAndNeverReplacedByTheLocalOne) {
  for (const int answer : {forms::vbRetry, forms::vbCancel}) {
    const bool retry = answer == forms::vbRetry;
    SCOPED_TRACE(retry ? "retry" : "cancel");
    CalendarApp app;
    const fs::path shared = app.Folder() / "Firma.mdb";
    fs::copy_file(app.DbPath(), shared);
    Configure(app, mv::LanguageGerman, shared);
    const std::string busy = "Die Datenbank " + shared.string() +
                             " wird gerade von einem anderen Programm benutzt, das sie gesperrt "
                             "hält.\rWiederholen versucht es noch einmal, Abbrechen beendet "
                             "Morvellan.";
    OtherProgramLock lock(shared, LockKind::Exclusive);
    app.s().Conn.SetBusyTimeout(kShortWait);
    app.platform.ExpectMessageBox(busy, answer);
    if (retry) {
      app.platform.ExpectMessageBox(
          [&](const forms::MessageBoxRequest& box) {
            lock.Close();  // the other copy lets go while the question stands
            return box.Prompt == busy;
          },
          forms::vbRetry);
    }

    EXPECT_EQ(app.StartProgram(), retry ? 0 : mv::ExitDatabaseBusy);

    for (const auto& box : app.platform.MessageBoxes())
      EXPECT_EQ(box.Request.Buttons, forms::vbRetryCancel);
    EXPECT_EQ(app.s().Conn.Path(), retry ? shared.string() : "");
    EXPECT_EQ(app.platform.ProgramEnded(), !retry);
    EXPECT_EQ(app.LoginWindow() != nullptr, retry);
  }
}

// Held exclusively, the file gives the calendar no members and no entries: the rebuild says so,
// and neither F12 nor the print manager prints the page as if the team had no absences.
TEST(LockedFile, ACalendarThatCouldNotBeReadIsNotPrinted) {
  CalendarApp app;
  Configure(app);
  mv::frmKalender& main = Start(app);
  const std::string unread =
      "Der Kalender konnte nicht vollständig gelesen werden:\r" + MessageFor(Obstacle::Lock);
  OtherProgramLock lock(app.DbPath(), LockKind::Exclusive);
  app.platform.ExpectMessageBox(unread, forms::vbOK);
  main.grdCal.UserRelease(BergRow, 0, forms::vbRightButton);  // the rows in the other order
  app.platform.ExpectMessageBox(unread, forms::vbOK);
  main.UserShortcut("F12");
  ASSERT_TRUE(main.UserShortcut("Ctrl+D"));
  mv::frmDrucken& manager = *app.overview().frmDrucken;
  manager.lstTeams.UserClick(0);
  manager.lstMonate.UserClick(11);
  app.platform.ExpectMessageBox("Seite 1 / 1 (Entwicklung, Dezember 2026) wurde nicht gedruckt:\r" +
                                    unread + "\rDer Druck endet hier.",
                                forms::vbOK);
  manager.cmd_Print.UserClick();
  EXPECT_TRUE(app.platform.PrintJobs().empty());
  EXPECT_EQ(main.lbl_Status.Caption(), "Gedruckte Seiten: 0 / 1");
}

// Held exclusively for 10 seconds, longer than the entry of one day with its waits (2 seconds
// here): the busy file is told once, reads that only follow the pointer keep quiet, and no stall
// (from a gesture's start or a box to the next box or the gesture's end) outlasts one wait.
TEST(LockedFile, EnteringADayWhileTheFileIsHeldShowsOneBoxAndNoStallBeyondTheWait) {
  mvtest::TestApp app;  // the boxes allowed beyond the first are not all shown
  SeedTeams(app);
  Configure(app);
  const std::chrono::milliseconds wait(2000);
  mv::frmKalender& main = Start(app, static_cast<int>(wait.count()));
  using Clock = std::chrono::steady_clock;
  Clock::time_point last;
  Clock::duration longest{};
  const auto mark = [&] {
    longest = std::max(longest, Clock::now() - last);
    last = Clock::now();
  };
  const auto box = [&](const std::string& text, int answer) {
    app.platform.ExpectMessageBox(
        [&mark, text](const forms::MessageBoxRequest& box) {
          mark();
          return box.Prompt.find(text) != std::string::npos;
        },
        answer);
  };
  const std::string busy = MessageFor(Obstacle::Lock);
  box(DayQuestion(7, "Urlaub", "anfragen"), forms::vbYes);
  for (int i = 0; i < 10; ++i) box(busy, forms::vbOK);

  OtherProgramLock lock(app.DbPath(), LockKind::Exclusive);
  std::jthread release([&lock] {
    std::this_thread::sleep_for(std::chrono::seconds(10));
    lock.Close();
  });
  const std::function<void()> gestures[] = {[&] { main.grdCal.UserMove(BergRow, 7); },
                                            [&] { main.grdCal.UserPress(BergRow, 7); },
                                            [&] { main.grdCal.UserRelease(BergRow, 7); }};
  for (const auto& gesture : gestures) {
    last = Clock::now();
    gesture();
    mark();
  }
  release.join();

  EXPECT_EQ(BoxesNaming(app, busy), 1);
  EXPECT_LE(longest, wait + std::chrono::seconds(1));
  EXPECT_EQ(app.EntryOn(10, Dec(7)), "");
}

// Locked longer than the program waits, read-only (file, or folder: no journal beside the file) or
// on a full disk, the file still shows the calendar; every write of the windows says in the user's
// language why nothing was written, writes nothing and leaves the main window usable; the obstacle
// gone (a lock within the write's wait), the write works (a file opened read-only stays so). Run in
// a child process, as the user nobody where the tests run as root.
class RefusedWrite : public testing::TestWithParam<Obstacle> {};

// The message is built in one place: one write in English shows that it follows the language.
TEST_P(RefusedWrite, EveryWriteSaysWhyInTheUsersLanguageAndWritesNothing) {
  const Obstacle obstacle = GetParam();
  const std::string end = RunInChild(true, [obstacle] {
    WatchedDisk disk;
    SeededForWrites seeded;
    for (const UserWrite& write : UserWrites()) {
      SCOPED_TRACE(write.name);
      const bool english = write.name == "saving a note";
      const int language = english ? mv::LanguageEnglish : mv::LanguageGerman;
      ProofApp app(seeded.DbPath(), language);
      const Rows before = Content(app);
      std::optional<OtherProgramLock> lock;
      if (obstacle == Obstacle::Lock) lock.emplace(app.DbPath(), LockKind::Write);
      disk.SetFull(obstacle == Obstacle::FullDisk);
      const fs::path readOnly = obstacle == Obstacle::ReadOnlyFile     ? app.DbPath()
                                : obstacle == Obstacle::ReadOnlyFolder ? app.Folder()
                                                                       : fs::path();
      const auto writable = [&readOnly](fs::perm_options change) {
        if (!readOnly.empty()) fs::permissions(readOnly, fs::perms::owner_write, change);
      };
      writable(fs::perm_options::remove);
      mv::frmKalender& main = Start(app);
      EXPECT_EQ(main.grdCal.TextMatrix(BergRow, 3), english ? "V" : "U");
      write.run({app, main, MessageFor(obstacle, language)});
      EXPECT_EQ(Content(app), before);
      EXPECT_TRUE(main.Enabled());
      disk.SetFull(false);
      writable(fs::perm_options::add);
      if (obstacle == Obstacle::ReadOnlyFile) continue;
      app.s().Conn.SetBusyTimeout(5000);  // the program's own wait, which a short lock ends within
      std::jthread release;
      if (lock)
        release = std::jthread([&lock] {
          std::this_thread::sleep_for(std::chrono::milliseconds(100));
          lock.reset();
        });
      write.run({app, main, std::nullopt});
      EXPECT_NE(Content(app), before);
      EXPECT_TRUE(main.Enabled());
    }
  });
  EXPECT_EQ(end, "exit code 0");
}

const char* const kNames[] = {"Locked", "ReadOnlyFile", "ReadOnlyFolder", "FullDisk"};
INSTANTIATE_TEST_SUITE_P(Obstacles, RefusedWrite,
                         testing::Values(Obstacle::Lock, Obstacle::ReadOnlyFile,
                                         Obstacle::ReadOnlyFolder, Obstacle::FullDisk),
                         [](const auto& info) { return kNames[static_cast<int>(info.param)]; });

}  // namespace
