// A database file the program cannot write: another program holds it locked for longer than the
// program waits for it (the wait is set short here; the program's own is 5 seconds), the file is
// read-only, its folder is (no journal can be made beside the file), or the disk is full (no file
// can grow, as SQLite's file layer fails without free space). The program starts on it and shows
// the calendar; every write of the windows says, in the user's language, why nothing was written,
// writes nothing and leaves the main window usable; once the obstacle is gone the same write works
// (a file opened read-only stays so). Root writes to read-only files, so the scenes run in a child
// process that, where the tests run as root, is the user nobody: the program meets the file as
// every user without the right to write it does.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "ChildProcess.h"
#include "UserWrites.h"
#include "WatchedDisk.h"
#include "core/Main.h"
#include "core/Settings.h"
#include "overview/frmDrucken.h"

namespace {

using namespace prooftest;
namespace fs = std::filesystem;

constexpr int kShortWait = 20;  // milliseconds

enum class Obstacle { Lock, ReadOnlyFile, ReadOnlyFolder, FullDisk };

std::string MessageFor(Obstacle obstacle, int language) {
  const bool english = language == mv::LanguageEnglish;
  switch (obstacle) {
    case Obstacle::Lock:
      return english ? "The database is in use by another program, which holds it locked. Nothing "
                       "was written. Please try again in a moment."
                     : "Die Datenbank wird gerade von einem anderen Programm benutzt, das sie "
                       "gesperrt hält. Es wurde nichts geschrieben. Bitte versuchen Sie es gleich "
                       "noch einmal.";
    case Obstacle::FullDisk:
      return english ? "The database cannot be written: the disk is full. Nothing was written."
                     : "In die Datenbank kann nicht geschrieben werden: der Datenträger ist voll. "
                       "Es wurde nichts geschrieben.";
    default:
      return english ? "The database cannot be written: the file or its folder is read-only. "
                       "Nothing was written."
                     : "In die Datenbank kann nicht geschrieben werden: die Datei oder ihr Ordner "
                       "ist schreibgeschützt. Es wurde nichts geschrieben.";
  }
}

// The obstacle, from construction to destruction.
class Standing {
 public:
  Standing(Obstacle obstacle, mvtest::TestApp& app, WatchedDisk& disk) : disk_(disk) {
    if (obstacle == Obstacle::Lock) lock_.emplace(app.DbPath(), LockKind::Write);
    if (obstacle == Obstacle::FullDisk) disk.SetFull(true);
    if (obstacle == Obstacle::ReadOnlyFile || obstacle == Obstacle::ReadOnlyFolder) {
      protected_ = obstacle == Obstacle::ReadOnlyFile ? app.DbPath() : app.Folder();
      mode_ = fs::status(protected_).permissions();
      fs::permissions(protected_,
                      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
      EXPECT_NE(access(protected_.c_str(), W_OK), 0) << "the test can write to " << protected_;
    }
  }
  ~Standing() {
    disk_.SetFull(false);
    if (!protected_.empty()) fs::permissions(protected_, mode_);
  }
  Standing(const Standing&) = delete;
  Standing& operator=(const Standing&) = delete;

 private:
  WatchedDisk& disk_;
  std::optional<OtherProgramLock> lock_;
  fs::path protected_;
  fs::perms mode_{};
};

// The settings of a program that uses the file (its own unless told).
void Configure(mvtest::TestApp& app, int language, const fs::path& file = {}) {
  mv::SettingsRecord settings;
  settings.Language = static_cast<std::uint8_t>(language);
  settings.CalendarFont = "Arial";
  settings.DatabasePath = (file.empty() ? app.DbPath() : file).string();
  app.WriteSettings(settings);
}

// Started through the program's own start-up, logged in as Zoller.
mv::frmKalender* Start(mvtest::TestApp& app) {
  if (app.StartProgram() != 0) return nullptr;
  mv::frmKalender* main = app.LoginAs("zoller", "pw");
  if (main) app.s().Conn.SetBusyTimeout(kShortWait);
  return main;
}

// Runs the scene in a child process, as the user nobody where the tests run as root.
void AsAUser(const std::function<void()>& scene) {
  const ChildEnd end = RunInChild(scene, true);
  EXPECT_EQ(end.exitCode, 0) << end.Describe();
}

class RefusedWrite : public testing::TestWithParam<Obstacle> {};

TEST_P(RefusedWrite, EveryWriteSaysWhyAndWritesNothing) {
  const Obstacle obstacle = GetParam();
  AsAUser([obstacle] {
    WatchedDisk disk;
    CalendarApp seeded;
    SeedForWrites(seeded);
    for (const UserWrite& write : UserWrites()) {
      SCOPED_TRACE(write.name);
      ProofApp app(seeded.DbPath());
      Configure(app, mv::LanguageGerman);
      const Rows before = Content(app);
      mv::frmKalender* main = nullptr;
      {
        Standing standing(obstacle, app, disk);
        main = Start(app);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(main->grdCal.TextMatrix(BergRow, 3), "U");
        write.run(app, *main, MessageFor(obstacle, mv::LanguageGerman));
        EXPECT_EQ(Content(app), before);
        EXPECT_TRUE(main->Enabled());
      }
      if (obstacle == Obstacle::ReadOnlyFile) continue;
      write.run(app, *main, std::nullopt);
      EXPECT_NE(Content(app), before);
      EXPECT_TRUE(main->Enabled());
    }
  });
}

TEST_P(RefusedWrite, TheMessageIsInTheUsersLanguage) {
  const Obstacle obstacle = GetParam();
  AsAUser([obstacle] {
    WatchedDisk disk;
    CalendarApp app;
    Configure(app, mv::LanguageEnglish);
    Standing standing(obstacle, app, disk);
    mv::frmKalender* main = Start(app);
    ASSERT_NE(main, nullptr);
    app.platform.ExpectMessageBox("Enquire vacation on 07.12.2026 ?", forms::vbYes);
    NoNote(app);
    app.platform.ExpectMessageBox(MessageFor(obstacle, mv::LanguageEnglish), forms::vbOK);
    SelectDays(*main, BergRow, 7, 7);
    EXPECT_EQ(app.EntryOn(10, Dec(7)), "");
  });
}

void PrintTo(Obstacle obstacle, std::ostream* out) {
  const char* names[] = {"Locked", "ReadOnlyFile", "ReadOnlyFolder", "FullDisk"};
  *out << names[static_cast<int>(obstacle)];
}

std::string NameOf(const testing::TestParamInfo<Obstacle>& info) {
  return testing::PrintToString(info.param);
}

INSTANTIATE_TEST_SUITE_P(Obstacles, RefusedWrite,
                         testing::Values(Obstacle::Lock, Obstacle::ReadOnlyFile,
                                         Obstacle::ReadOnlyFolder, Obstacle::FullDisk),
                         NameOf);

// Held exclusively, the file cannot even be read: every message the entry of absences, the note
// catalogue and the holiday calendar show meanwhile (already the pointer over the calendar reads)
// is the busy message.
TEST(LockedFile, AnExclusiveLockIsReportedAsBusyWhereverTheProgramMeetsIt) {
  CalendarApp seeded;
  SeedForWrites(seeded);
  const std::string busy = MessageFor(Obstacle::Lock, mv::LanguageGerman);
  for (const UserWrite& write : UserWrites()) {
    if (write.name != "an entry of absences" && write.name != "saving a note" &&
        write.name != "marking a holiday")
      continue;
    SCOPED_TRACE(write.name);
    // The questions after the first failed read are never asked: no count of boxes is checked.
    mvtest::TestApp app;
    CopyInto(app, seeded.DbPath());
    Configure(app, mv::LanguageGerman);
    mv::frmKalender* main = Start(app);
    ASSERT_NE(main, nullptr);
    const Rows before = Content(app);
    for (int i = 0; i < 10; ++i) app.ExpectBoxNaming(busy);
    {
      OtherProgramLock lock(app.DbPath(), LockKind::Exclusive);
      write.run(app, *main, busy);
    }
    int shown = 0;
    for (const auto& box : app.platform.MessageBoxes())
      shown += box.Request.Prompt.find(busy) != std::string::npos;
    EXPECT_GE(shown, 1);
    EXPECT_EQ(Content(app), before);

    // The calendar a failed reading left without members is read again with another month.
    main->cmdMonForward.UserClick();
    main->cmdMonBack.UserClick();
    write.run(app, *main, std::nullopt);
    EXPECT_NE(Content(app), before);
  }
}

// A lock shorter than the program's own wait of 5 seconds is waited out.
TEST(LockedFile, ALockShorterThanTheWaitIsWaitedOut) {
  CalendarApp app;
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  ASSERT_EQ(app.s().Conn.BusyTimeout(), 5000);
  ExpectEnquiry(app, 7, 9);
  OtherProgramLock lock(app.DbPath(), LockKind::Write);
  std::thread release([&lock] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    lock.Release();
  });
  SelectDays(main, BergRow, 7, 9);
  release.join();
  EXPECT_EQ(EntriesOf(app, 10).size(), 3u);
}

// Held by another copy at the start, the configured file is busy, not missing: the user may try
// again or end the program, and the local file is never taken in its place.
TEST(LockedFile, AFileHeldAtTheStartIsOfferedAgainAndNeverReplacedByTheLocalOne) {
  for (const int answer : {forms::vbRetry, forms::vbCancel}) {
    SCOPED_TRACE(answer == forms::vbRetry ? "retry" : "cancel");
    CalendarApp app;
    const fs::path shared = app.Folder() / "Daten" / "Firma.mdb";
    fs::create_directories(shared.parent_path());
    fs::copy_file(app.DbPath(), shared);
    Configure(app, mv::LanguageGerman, shared);
    const std::string busy = "Die Datenbank " + shared.string() +
                             " wird gerade von einem anderen Programm benutzt, das sie gesperrt "
                             "hält.\rWiederholen versucht es noch einmal, Abbrechen beendet "
                             "Morvellan.";
    OtherProgramLock lock(shared, LockKind::Exclusive);
    app.s().Conn.SetBusyTimeout(kShortWait);
    app.platform.ExpectMessageBox(busy, answer);
    if (answer == forms::vbRetry) {
      app.platform.ExpectMessageBox(
          [&](const forms::MessageBoxRequest& box) {
            lock.Release();  // the other copy lets go while the question stands
            return box.Prompt == busy;
          },
          forms::vbRetry);
    }

    EXPECT_EQ(app.StartProgram(), answer == forms::vbRetry ? 0 : mv::ExitDatabaseBusy);

    for (const auto& box : app.platform.MessageBoxes())
      EXPECT_EQ(box.Request.Buttons, forms::vbRetryCancel);
    EXPECT_EQ(app.s().Conn.Path(), answer == forms::vbRetry ? shared.string() : "");
    EXPECT_EQ(app.platform.ProgramEnded(), answer == forms::vbCancel);
    EXPECT_EQ(app.LoginWindow() != nullptr, answer == forms::vbRetry);
  }
}

// Held exclusively, the file gives the calendar no members and no entries: the rebuild says so,
// and neither F12 nor the print manager prints the page as if the team had no absences.
TEST(LockedFile, ACalendarThatCouldNotBeReadIsNotPrinted) {
  CalendarApp app;
  Configure(app, mv::LanguageGerman);
  mv::frmKalender* main = Start(app);
  ASSERT_NE(main, nullptr);
  const std::string unread = "Der Kalender konnte nicht vollständig gelesen werden:\r" +
                             MessageFor(Obstacle::Lock, mv::LanguageGerman);
  OtherProgramLock lock(app.DbPath(), LockKind::Exclusive);
  app.platform.ExpectMessageBox(unread, forms::vbOK);
  main->grdCal.UserRelease(BergRow, 0, forms::vbRightButton);  // the rows in the other order
  app.platform.ExpectMessageBox(unread, forms::vbOK);
  main->UserShortcut("F12");

  ASSERT_TRUE(main->UserShortcut("Ctrl+D"));
  mv::frmDrucken& manager = *app.overview().frmDrucken;
  manager.lstTeams.UserClick(0);
  manager.lstMonate.UserClick(11);
  app.platform.ExpectMessageBox("Seite 1 / 1 (Entwicklung, Dezember 2026) wurde nicht gedruckt:\r" +
                                    unread + "\rDer Druck endet hier.",
                                forms::vbOK);
  manager.cmd_Print.UserClick();
  EXPECT_TRUE(app.platform.PrintJobs().empty());
  EXPECT_EQ(main->lbl_Status.Caption(), "Gedruckte Seiten: 0 / 1");
}

// The longest time the program kept the window frozen: from the start of a gesture or an answered
// message box to the next box or the gesture's end.
class Stalls {
 public:
  using Clock = std::chrono::steady_clock;
  void Gesture(const std::function<void()>& gesture) {
    last_ = Clock::now();
    gesture();
    Mark();
  }
  // A box whose prompt holds text; its showing ends a stall.
  forms::HeadlessPlatform::MessageMatch Box(const std::string& text) {
    return [this, text](const forms::MessageBoxRequest& box) {
      if (box.Prompt.find(text) == std::string::npos) return false;
      Mark();
      return true;
    };
  }
  Clock::duration Longest() const { return longest_; }

 private:
  void Mark() {
    const Clock::time_point now = Clock::now();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  Clock::time_point last_ = Clock::now();
  Clock::duration longest_{};
};

// Held exclusively for 10 seconds, longer than the whole entry of one day with its waits (each
// of 2 seconds here): the user is told once that the file is busy, the reads that only follow the
// pointer keep quiet, and the window never stays frozen for longer than one wait.
TEST(LockedFile, EnteringADayWhileTheFileIsHeldShowsOneBoxAndNoStallBeyondTheWait) {
  mvtest::TestApp app;  // the boxes allowed beyond the first are not all shown
  SeedTeams(app);
  Configure(app, mv::LanguageGerman);
  ASSERT_EQ(app.StartProgram(), 0);
  mv::frmKalender* main = app.LoginAs("zoller", "pw");
  ASSERT_NE(main, nullptr);
  const std::chrono::milliseconds wait(2000);
  app.s().Conn.SetBusyTimeout(static_cast<int>(wait.count()));
  const std::string busy = MessageFor(Obstacle::Lock, mv::LanguageGerman);
  Stalls stalls;
  app.platform.ExpectMessageBox(stalls.Box(DayQuestion(7, "Urlaub", "anfragen")), forms::vbYes);
  for (int i = 0; i < 10; ++i) app.platform.ExpectMessageBox(stalls.Box(busy), forms::vbOK);

  OtherProgramLock lock(app.DbPath(), LockKind::Exclusive);
  std::jthread release([&lock] {
    std::this_thread::sleep_for(std::chrono::seconds(10));
    lock.Release();
  });
  stalls.Gesture([&] { main->grdCal.UserMove(BergRow, 7); });
  stalls.Gesture([&] { main->grdCal.UserPress(BergRow, 7); });
  stalls.Gesture([&] { main->grdCal.UserRelease(BergRow, 7); });
  release.join();

  int shown = 0;
  for (const auto& box : app.platform.MessageBoxes())
    shown += box.Request.Prompt.find(busy) != std::string::npos;
  EXPECT_EQ(shown, 1);
  EXPECT_LE(stalls.Longest(), wait + std::chrono::seconds(1));
  EXPECT_EQ(app.EntryOn(10, Dec(7)), "");
}

}  // namespace
