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

#include <optional>

#include "Proof.h"

namespace prooftest {

void PrintTo(Obstacle obstacle, std::ostream* out) {
  const char* names[] = {"Locked", "ReadOnlyFile", "ReadOnlyFolder", "FullDisk"};
  *out << names[static_cast<int>(obstacle)];
}

}  // namespace prooftest

namespace {

using namespace prooftest;
namespace fs = std::filesystem;

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

class RefusedWrite : public testing::TestWithParam<Obstacle> {};

// The message is built in one place: one write in English shows that it follows the language.
TEST_P(RefusedWrite, EveryWriteSaysWhyInTheUsersLanguageAndWritesNothing) {
  const Obstacle obstacle = GetParam();
  const ChildEnd end = RunInChild(
      [obstacle] {
        WatchedDisk disk;
        CalendarApp seeded;
        SeedForWrites(seeded);
        for (const UserWrite& write : UserWrites()) {
          SCOPED_TRACE(write.name);
          const bool english = write.name == "saving a note";
          const int language = english ? mv::LanguageEnglish : mv::LanguageGerman;
          ProofApp app(seeded.DbPath());
          Configure(app, language);
          const Rows before = Content(app);
          mv::frmKalender* main = nullptr;
          {
            Standing standing(obstacle, app, disk);
            main = Start(app);
            ASSERT_NE(main, nullptr);
            EXPECT_EQ(main->grdCal.TextMatrix(BergRow, 3), english ? "V" : "U");
            write.run({app, *main, MessageFor(obstacle, language)});
            EXPECT_EQ(Content(app), before);
            EXPECT_TRUE(main->Enabled());
          }
          if (obstacle == Obstacle::ReadOnlyFile) continue;
          write.run({app, *main, std::nullopt});
          EXPECT_NE(Content(app), before);
          EXPECT_TRUE(main->Enabled());
        }
      },
      true);
  EXPECT_EQ(end.exitCode, 0) << end.Describe();
}

std::string NameOf(const testing::TestParamInfo<Obstacle>& info) {
  return testing::PrintToString(info.param);
}

INSTANTIATE_TEST_SUITE_P(Obstacles, RefusedWrite,
                         testing::Values(Obstacle::Lock, Obstacle::ReadOnlyFile,
                                         Obstacle::ReadOnlyFolder, Obstacle::FullDisk),
                         NameOf);

}  // namespace
