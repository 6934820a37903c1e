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
    for (int i = 0; i < 10; ++i) app.platform.ExpectMessageBox(busy, forms::vbOK);
    {
      OtherProgramLock lock(app.DbPath(), LockKind::Exclusive);
      write.run(app, *main, busy);
    }
    int shown = 0;
    for (const auto& box : app.platform.MessageBoxes()) shown += box.Request.Prompt == busy;
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

}  // namespace
