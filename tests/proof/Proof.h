#pragma once
// The proofs' harness: child processes, a disk that can be full or watched, another program's lock
// on the file, the file's whole content, a program started on a file, and every write of the
// windows as a user makes it.
#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/CalendarTestSupport.h"
#include "core/Settings.h"
#include "core/Texts.h"
#include "db/Connection.h"

namespace prooftest {

using namespace caltest;

// Runs body in a child process, which runs no destructor, and says how it ended: "exit code 0" when
// body returned and no expectation failed, 1 when one failed, 2 when body threw, or "killed by
// signal N". unprivileged: a child of root becomes the user "nobody" (or ends with 3), so that file
// permissions apply to it as to every user (root writes to a read-only file).
std::string RunInChild(bool unprivileged, const std::function<void()>& body);

// The disk as SQLite sees it while this exists (its default file system layer): full, a write that
// would make a file longer fails with SQLITE_FULL, as without free space.
class WatchedDisk {
 public:
  WatchedDisk();
  ~WatchedDisk();
  WatchedDisk(const WatchedDisk&) = delete;
  WatchedDisk& operator=(const WatchedDisk&) = delete;
  void SetFull(bool full);
  void Watch(std::function<void()> afterChange);  // after each change of a file
};

// A program's settings naming the file (its own unless told).
inline void Configure(mvtest::TestApp& app, int language = mv::LanguageGerman,
                      const std::filesystem::path& file = {}) {
  mv::SettingsRecord settings;
  settings.Language = static_cast<std::uint8_t>(language);
  settings.CalendarFont = "Arial";
  settings.DatabasePath = (file.empty() ? app.DbPath() : file).string();
  app.WriteSettings(settings);
}

// The program's file a copy of a seeded one (seeding row by row waits for the disk at every row, a
// copy does not), its settings naming the file. A ProofApp shows every message box it expected.
inline void CopyInto(mvtest::TestApp& app, const std::filesystem::path& seeded,
                     int language = mv::LanguageGerman) {
  std::filesystem::copy_file(seeded, app.DbPath(),
                             std::filesystem::copy_options::overwrite_existing);
  Configure(app, language);
}
struct ProofApp : mvtest::TestApp {
  ProofApp(const std::filesystem::path& seeded, int language = mv::LanguageGerman) {
    CopyInto(*this, seeded, language);
  }
  ~ProofApp() { EXPECT_EQ(platform.PendingMessageBoxes(), 0u) << "expected boxes not shown"; }
};

// Every row of the seven tables, each row led by its table's name, in storage order.
inline Rows Content(mvtest::TestApp& app) {
  Rows rows;
  for (const char* table : {"tbl_Mitarbeiter", "tbl_Teams", "tbl_User", "tbl_Kalender",
                            "tbl_Notizen", "tbl_Ferien", "tbl_Abhängigkeiten"}) {
    const Rows stored =
        app.Query(std::string("SELECT '") + table + "', * FROM \"" + table + "\" ORDER BY rowid");
    rows.insert(rows.end(), stored.begin(), stored.end());
  }
  return rows;
}

// Another program's lock on the file until it closes its connection, with nothing written. Write:
// it is in the middle of a write (others still read). Exclusive: nobody else reads either.
enum class LockKind { Write, Exclusive };
struct OtherProgramLock : db::Connection {
  OtherProgramLock(const std::filesystem::path& file, LockKind kind) {
    Open(db::JetConnectionString(file.string()));
    ExecuteNative(kind == LockKind::Exclusive ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE");
  }
};

// Why the program could not write the file, as it tells the user.
enum class Obstacle { Lock, ReadOnlyFile, ReadOnlyFolder, FullDisk };
inline std::string MessageFor(Obstacle obstacle, int language = mv::LanguageGerman) {
  static const char* const texts[][2] = {
      {"Die Datenbank wird gerade von einem anderen Programm benutzt, das sie gesperrt hält. Es "
       "wurde nichts geschrieben. Bitte versuchen Sie es gleich noch einmal.",
       "The database is in use by another program, which holds it locked. Nothing was written. "
       "Please try again in a moment."},
      {"In die Datenbank kann nicht geschrieben werden: die Datei oder ihr Ordner ist "
       "schreibgeschützt. Es wurde nichts geschrieben.",
       "The database cannot be written: the file or its folder is read-only. Nothing was written."},
      {"In die Datenbank kann nicht geschrieben werden: der Datenträger ist voll. Es wurde nichts "
       "geschrieben.",
       "The database cannot be written: the disk is full. Nothing was written."}};
  const int kind = obstacle == Obstacle::Lock ? 0 : obstacle == Obstacle::FullDisk ? 2 : 1;
  return texts[kind][language == mv::LanguageEnglish];
}

// Started through the program's own start-up, logged in as Zoller, waiting for a busy file as
// long as told (milliseconds); throws when the start or the login failed.
inline constexpr int kShortWait = 20;
inline mv::frmKalender& Start(mvtest::TestApp& app, int wait = kShortWait) {
  mv::frmKalender* main = app.StartProgram() == 0 ? app.LoginAs("zoller", "pw") : nullptr;
  if (!main) throw std::runtime_error("the program did not start");
  EXPECT_EQ(app.s().Conn.BusyTimeout(), 5000) << "the program's own wait";
  app.s().Conn.SetBusyTimeout(wait);
  return *main;
}

// Every write of the windows as a user makes it from Zoller's main window over the seed below,
// opening its window, answering its questions with yes and closing the window again. refusal: the
// message of a refused write, or none for a write that succeeds (what success shows is answered).
struct Scene {
  mvtest::TestApp& app;
  mv::frmKalender& main;
  std::optional<std::string> refusal;
};
struct UserWrite {
  std::string name;
  std::function<void(const Scene&)> run;
};
const std::vector<UserWrite>& UserWrites();
const UserWrite& UserWriteNamed(const std::string& name);

// The calendar tests' teams, the note "Arzt", Berg's enquiry on 3 and a holiday on 24 December.
struct SeededForWrites : CalendarApp {
  SeededForWrites() {
    AddNote("Arzt");
    AddEntry(10, Dec(3), "U?");
    AddHoliday(Dec(24));
  }
};

}  // namespace prooftest
