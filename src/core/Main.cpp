#include "core/Main.h"

#include <exception>
#include <string>

#include "core/frmLogin.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"
#include "forms/Platform.h"

namespace mv {

namespace {

// Said after the settings file's own description when it can be neither read nor created.
const char* FirstStartNotice(int language) {
  return language == LanguageEnglish ? "Morvellan starts with its default settings."
                                     : "Morvellan startet mit den Grundeinstellungen.";
}

// The Jet connection string, empty user and password, options -1.
void OpenConnection(State& s, const std::string& path) {
  s.Conn.Open(db::JetConnectionString(path), "", "", -1);
}

// The file as the connection names it, held locked by another copy past the wait.
std::string BusyAtStart(const State& s, const std::string& path) {
  const std::string file = db::DataSourcePath(db::JetConnectionString(path));
  return s.Language() == LanguageEnglish
             ? "The database " + file +
                   " is in use by another program, which holds it locked.\rRetry tries again, "
                   "Cancel quits Morvellan."
             : "Die Datenbank " + file +
                   " wird gerade von einem anderen Programm benutzt, das sie gesperrt hält.\r"
                   "Wiederholen versucht es noch einmal, Abbrechen beendet Morvellan.";
}

// A file that another copy holds locked exists: taking another one in its place would part the
// user's work from his colleagues'. The user waits and retries, or gives up (false). Every other
// failure is thrown.
bool OpenWhenFree(State& s, const std::string& path) {
  for (;;) {
    try {
      OpenConnection(s, path);
      return true;
    } catch (const db::Error& e) {
      if (e.Kind() != db::ErrorKind::Busy) throw;
    }
    if (s.rt.MsgBox(BusyAtStart(s, path), forms::vbRetryCancel) != forms::vbRetry) return false;
  }
}

int EndStart(State& s, int status) {
  s.rt.End(status);
  return status;
}

}  // namespace

std::filesystem::path LocalDatabasePath(const State& s) { return s.rt.Path() / "Morvellan.mdb"; }

void LoadSettingsAndTexts(State& s) {
  const std::filesystem::path folder = s.rt.Path();
  SettingsReadResult read = ReadSettingsFile(folder);
  // A first start names no language and no font; the defaults are used and nothing is written.
  s.Settings = EffectiveSettings(std::move(read.Record));
  s.rt.SetUiLanguage([&s] {
    return s.Language() == LanguageEnglish ? forms::UiLanguage::English : forms::UiLanguage::German;
  });
  s.ZoomLevel = 0;
  s.SortOrder = "ASC";
  s.Texts.Fill(folder.string());
  if (read.Error) {
    s.rt.MsgBox(*read.Error + "\r" + FirstStartNotice(s.Language()), forms::vbOKOnly);
  }
}

bool LoadLoginWindow(CoreWindows& windows) {
  State& s = windows.s;
  std::string failure;
  try {
    windows.frmLogin.Load();
    return true;
  } catch (const std::exception& e) {
    failure = e.what();
  }
  // Never shown half set up: the window goes without running its handlers.
  windows.frmLogin.Discard();
  s.RsUser.Discard();  // only read through
  s.rt.MsgBox(failure, forms::vbOKOnly);
  s.rt.End(ExitLoginWindowFailed);
  return false;
}

int Main(CoreWindows& windows) {
  State& s = windows.s;
  // 1. Random numbers from the time of day.
  s.rt.Randomize(static_cast<float>(s.rt.Timer()));
  // 2. Settings and texts.
  LoadSettingsAndTexts(s);
  // 3.-4. The configured database, else the local one; a busy one is neither missing nor replaced.
  try {
    if (!OpenWhenFree(s, s.Settings.DatabasePath)) return EndStart(s, ExitDatabaseBusy);
  } catch (const std::exception&) {
    s.rt.MsgBox(s.T(149), forms::vbOKOnly);
    const std::string local = LocalDatabasePath(s).string();
    try {
      if (!OpenWhenFree(s, local)) return EndStart(s, ExitDatabaseBusy);
    } catch (const std::exception& e) {
      s.rt.MsgBox(e.what(), forms::vbOKOnly);
      return EndStart(s, ExitDatabaseUnavailable);
    }
    // In memory only: settings.dat keeps the old path until the options dialog closes.
    s.ConfiguredDatabasePath = s.Settings.DatabasePath;
    s.Settings.DatabasePath = local;
  }
  // 5. The login window.
  if (!LoadLoginWindow(windows)) return ExitLoginWindowFailed;
  return 0;
}

}  // namespace mv
