// A database file the program cannot write: another program holds it locked for longer than the
// program waits, the file is read-only, its folder is (no journal can be made beside the file), or
// the disk is full. The program starts on it and shows the calendar; every write of the windows
// says, in the user's language, why nothing was written, writes nothing and leaves the main window
// usable; once the obstacle is gone the same write works (a file opened read-only stays so). The
// scenes run in a child process, as the user nobody where the tests run as root.
#include <gtest/gtest.h>

#include <optional>

#include "Proof.h"

namespace {

using namespace prooftest;
namespace fs = std::filesystem;

class RefusedWrite : public testing::TestWithParam<Obstacle> {};

// The message is built in one place: one write in English shows that it follows the language.
TEST_P(RefusedWrite, EveryWriteSaysWhyInTheUsersLanguageAndWritesNothing) {
  const Obstacle obstacle = GetParam();
  const std::string end = RunInChild(
      [obstacle] {
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
          const auto writable =
              fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
          if (!readOnly.empty()) fs::permissions(readOnly, writable, fs::perm_options::remove);
          mv::frmKalender& main = Start(app);
          EXPECT_EQ(main.grdCal.TextMatrix(BergRow, 3), english ? "V" : "U");
          write.run({app, main, MessageFor(obstacle, language)});
          EXPECT_EQ(Content(app), before);
          EXPECT_TRUE(main.Enabled());
          lock.reset();
          disk.SetFull(false);
          if (!readOnly.empty())
            fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
          if (obstacle == Obstacle::ReadOnlyFile) continue;
          write.run({app, main, std::nullopt});
          EXPECT_NE(Content(app), before);
          EXPECT_TRUE(main.Enabled());
        }
      },
      true);
  EXPECT_EQ(end, "exit code 0");
}

const char* const kNames[] = {"Locked", "ReadOnlyFile", "ReadOnlyFolder", "FullDisk"};
INSTANTIATE_TEST_SUITE_P(Obstacles, RefusedWrite,
                         testing::Values(Obstacle::Lock, Obstacle::ReadOnlyFile,
                                         Obstacle::ReadOnlyFolder, Obstacle::FullDisk),
                         [](const auto& info) { return kNames[static_cast<int>(info.param)]; });

}  // namespace
