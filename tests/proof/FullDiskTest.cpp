// The disk is full: no file can grow, so neither can the database nor its journal (SQLite's file
// layer fails as the system's does without free space). Every write of the windows says, in the
// user's language, that the database cannot be written, and writes nothing; with room again the
// same write works.
#include <gtest/gtest.h>

#include "UserWrites.h"
#include "WatchedDisk.h"

namespace {

using namespace prooftest;

TEST(FullDisk, EveryWriteSaysTheDiskIsFullAndWritesNothing) {
  WatchedDisk disk;
  CalendarApp seeded;
  SeedForWrites(seeded);
  for (const UserWrite& write : UserWrites()) {
    SCOPED_TRACE(write.name);
    ProofApp app(seeded.DbPath());
    mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
    const Rows before = Content(app);
    disk.SetFull(true);
    write.run(app, main, DiskFullMessage());
    disk.SetFull(false);
    EXPECT_EQ(Content(app), before);
    EXPECT_TRUE(main.Enabled());

    write.run(app, main, std::nullopt);
    EXPECT_NE(Content(app), before);
  }
}

TEST(FullDisk, TheMessageIsInTheUsersLanguage) {
  WatchedDisk disk;
  CalendarApp app;
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin, mv::LanguageEnglish);
  app.platform.ExpectMessageBox("Enquire vacation on 07.12.2026 ?", forms::vbYes);
  NoNote(app);
  app.platform.ExpectMessageBox(DiskFullMessage(mv::LanguageEnglish), forms::vbOK);
  disk.SetFull(true);
  SelectDays(main, BergRow, 7, 7);
  disk.SetFull(false);
  EXPECT_EQ(app.EntryOn(10, Dec(7)), "");
}

}  // namespace
