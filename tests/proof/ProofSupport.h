#pragma once
// What the proofs share: the calendar tests' teams, the whole content of the database file for
// before-and-after comparisons, and another program's lock on the file.
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "calendar/CalendarTestSupport.h"

namespace prooftest {

using namespace caltest;

// app's file replaced by a copy of a seeded one: seeding row by row waits for the disk at every
// row, a copy does not.
void CopyInto(mvtest::TestApp& app, const std::filesystem::path& seeded);

// A program on a copy of a seeded file. Every message box a test expected must have been shown by
// its end.
struct ProofApp : mvtest::TestApp {
  explicit ProofApp(const std::filesystem::path& seeded) { CopyInto(*this, seeded); }
  ~ProofApp() {
    EXPECT_EQ(platform.PendingMessageBoxes(), 0u) << "expected message boxes not shown";
  }
};

// Every row of the seven tables, each row led by its table's name, in storage order.
Rows Content(mvtest::TestApp& app);

// "ok" when SQLite finds the file sound, else its findings.
std::string IntegrityCheck(mvtest::TestApp& app);

// Another program's lock on the file, held from construction to Release. Write: it is in the
// middle of a write (others still read). Exclusive: nobody else reads either.
enum class LockKind { Write, Exclusive };
class OtherProgramLock {
 public:
  OtherProgramLock(const std::filesystem::path& file, LockKind kind);
  ~OtherProgramLock();
  OtherProgramLock(const OtherProgramLock&) = delete;
  OtherProgramLock& operator=(const OtherProgramLock&) = delete;
  void Release();

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace prooftest
