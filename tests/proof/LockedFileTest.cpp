// Another program holds the database file locked for longer than the program waits for it (the
// wait is set short here; the program's own is 5 seconds). Every write of the windows then says,
// in the user's language, that the database is busy and nothing was written; the file stays as it
// was, and the same write works once the lock is gone.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "UserWrites.h"

namespace {

using namespace prooftest;

constexpr int kShortWait = 20;  // milliseconds

mv::frmKalender& EnterWithShortWait(mvtest::TestApp& app, int language = mv::LanguageGerman) {
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin, language);
  app.s().Conn.SetBusyTimeout(kShortWait);
  return main;
}

// The other program is in the middle of a write: it holds the write lock, reading goes on.
TEST(LockedFile, EveryWriteIsRefusedWhileAnotherProgramWritesAndWorksAfterwards) {
  CalendarApp seeded;
  SeedForWrites(seeded);
  for (const UserWrite& write : UserWrites()) {
    SCOPED_TRACE(write.name);
    ProofApp app(seeded.DbPath());
    mv::frmKalender& main = EnterWithShortWait(app);
    const Rows before = Content(app);
    {
      OtherProgramLock lock(app.DbPath(), LockKind::Write);
      write.run(app, main, BusyMessage());
    }
    EXPECT_EQ(Content(app), before);
    EXPECT_TRUE(main.Enabled());

    write.run(app, main, std::nullopt);
    EXPECT_NE(Content(app), before);
    EXPECT_TRUE(main.Enabled());
  }
}

// Held exclusively, the file cannot even be read: every message the entry of absences, the note
// catalogue and the holiday calendar show meanwhile (already the pointer over the calendar reads)
// is the busy message.
TEST(LockedFile, AnExclusiveLockIsReportedAsBusyWhereverTheProgramMeetsIt) {
  CalendarApp seeded;
  SeedForWrites(seeded);
  for (const UserWrite& write : UserWrites()) {
    if (write.name != "an entry of absences" && write.name != "saving a note" &&
        write.name != "marking a holiday")
      continue;
    SCOPED_TRACE(write.name);
    // The questions after the first failed read are never asked: no count of boxes is checked.
    mvtest::TestApp app;
    CopyInto(app, seeded.DbPath());
    mv::frmKalender& main = EnterWithShortWait(app);
    const Rows before = Content(app);
    for (int i = 0; i < 10; ++i) app.platform.ExpectMessageBox(BusyMessage(), forms::vbOK);
    {
      OtherProgramLock lock(app.DbPath(), LockKind::Exclusive);
      write.run(app, main, BusyMessage());
    }
    int busy = 0;
    for (const auto& box : app.platform.MessageBoxes()) busy += box.Request.Prompt == BusyMessage();
    EXPECT_GE(busy, 1);
    EXPECT_EQ(Content(app), before);

    // The calendar a failed reading left without members is read again with another month.
    main.cmdMonForward.UserClick();
    main.cmdMonBack.UserClick();
    write.run(app, main, std::nullopt);
    EXPECT_NE(Content(app), before);
  }
}

TEST(LockedFile, TheMessageIsInTheUsersLanguage) {
  CalendarApp app;
  mv::frmKalender& main = EnterWithShortWait(app, mv::LanguageEnglish);
  app.platform.ExpectMessageBox("Enquire vacation on 07.12.2026 ?", forms::vbYes);
  NoNote(app);
  app.platform.ExpectMessageBox(BusyMessage(mv::LanguageEnglish), forms::vbOK);
  OtherProgramLock lock(app.DbPath(), LockKind::Write);
  SelectDays(main, BergRow, 7, 7);
  EXPECT_EQ(app.EntryOn(10, Dec(7)), "");
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

}  // namespace
