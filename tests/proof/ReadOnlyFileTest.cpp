// A database file that cannot be written: the file is read-only, or its folder is (no journal can
// be made beside the file). The program starts on it and shows the calendar; every write of the
// windows says, in the user's language, that the database cannot be written, and writes nothing.
// Root writes to read-only files, so a test run as root runs these as the user nobody in a child
// process: the program meets the file as every user without the right to write it does.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ChildProcess.h"
#include "UserWrites.h"
#include "core/Settings.h"

namespace {

using namespace prooftest;
namespace fs = std::filesystem;

enum class ReadOnly { File, Folder };

// The file or the program folder without write permission until the end of the scope.
class WriteProtection {
 public:
  explicit WriteProtection(const fs::path& path)
      : path_(path), mode_(fs::status(path).permissions()) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
  ~WriteProtection() { fs::permissions(path_, mode_); }
  WriteProtection(const WriteProtection&) = delete;
  WriteProtection& operator=(const WriteProtection&) = delete;

 private:
  fs::path path_;
  fs::perms mode_;
};

// The settings of a program that uses the file.
void Configure(mvtest::TestApp& app, int language) {
  mv::SettingsRecord settings;
  settings.Language = static_cast<std::uint8_t>(language);
  settings.CalendarFont = "Arial";
  settings.DatabasePath = app.DbPath().string();
  app.WriteSettings(settings);
}

// Started through the program's own start-up, logged in as Zoller.
mv::frmKalender* Start(mvtest::TestApp& app) {
  if (app.StartProgram() != 0) return nullptr;
  return app.LoginAs("zoller", "pw");
}

void ProveEveryWriteRefused(ReadOnly kind) {
  CalendarApp seeded;
  SeedForWrites(seeded);
  for (const UserWrite& write : UserWrites()) {
    SCOPED_TRACE(write.name);
    ProofApp app(seeded.DbPath());
    Configure(app, mv::LanguageGerman);
    const Rows before = Content(app);
    const fs::path protectedPath = kind == ReadOnly::File ? app.DbPath() : app.Folder();
    WriteProtection protection(protectedPath);
    ASSERT_NE(access(protectedPath.c_str(), W_OK), 0) << "the test can write to " << protectedPath;

    mv::frmKalender* main = Start(app);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->Visible());
    EXPECT_EQ(main->grdCal.TextMatrix(BergRow, 3), "U");
    write.run(app, *main, NotWritableMessage());
    EXPECT_EQ(Content(app), before);
    EXPECT_TRUE(main->Enabled());
  }
}

TEST(ReadOnlyFile, TheProgramStartsAndEveryWriteSaysItCannotWrite) {
  const ChildEnd end = RunInChild([] { ProveEveryWriteRefused(ReadOnly::File); }, true);
  EXPECT_EQ(end.exitCode, 0) << end.Describe();
}

TEST(ReadOnlyFile, AReadOnlyFolderRefusesEveryWriteTheSameWay) {
  const ChildEnd end = RunInChild([] { ProveEveryWriteRefused(ReadOnly::Folder); }, true);
  EXPECT_EQ(end.exitCode, 0) << end.Describe();
}

TEST(ReadOnlyFile, TheMessageIsInTheUsersLanguage) {
  const ChildEnd end = RunInChild(
      [] {
        CalendarApp app;
        Configure(app, mv::LanguageEnglish);
        WriteProtection protection(app.DbPath());
        mv::frmKalender* main = Start(app);
        ASSERT_NE(main, nullptr);
        app.platform.ExpectMessageBox("Enquire vacation on 07.12.2026 ?", forms::vbYes);
        NoNote(app);
        app.platform.ExpectMessageBox(NotWritableMessage(mv::LanguageEnglish), forms::vbOK);
        SelectDays(*main, BergRow, 7, 7);
        EXPECT_EQ(app.EntryOn(10, Dec(7)), "");
      },
      true);
  EXPECT_EQ(end.exitCode, 0) << end.Describe();
}

}  // namespace
