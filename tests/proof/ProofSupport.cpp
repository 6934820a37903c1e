#include <grp.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <stdexcept>

#include "Proof.h"
#include "core/Settings.h"

namespace prooftest {

namespace {

constexpr uid_t kNobody = 65534;

void BecomeNobody() {
  if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
    std::cerr << "the child cannot become the user nobody\n";
    _exit(3);
  }
  prctl(PR_SET_DUMPABLE, 1);  // stays readable under /proc for the sanitizers' reports
}

}  // namespace

std::string RunInChild(const std::function<void()>& body, bool unprivileged) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int status = 0;
    try {
      if (unprivileged && geteuid() == 0) BecomeNobody();
      body();
      status = ::testing::Test::HasFailure() ? 1 : 0;
    } catch (const std::exception& e) {
      std::cerr << "the child process failed: " << e.what() << "\n";
      status = 2;
    }
    std::fflush(nullptr);
    _exit(status);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return "lost";
  }
  return WIFSIGNALED(status) ? "killed by signal " + std::to_string(WTERMSIG(status))
                             : "exit code " + std::to_string(WEXITSTATUS(status));
}

void CopyInto(mvtest::TestApp& app, const std::filesystem::path& seeded) {
  std::filesystem::copy_file(seeded, app.DbPath(),
                             std::filesystem::copy_options::overwrite_existing);
}

Rows Content(mvtest::TestApp& app) {
  Rows rows;
  for (const char* table : {"tbl_Mitarbeiter", "tbl_Teams", "tbl_User", "tbl_Kalender",
                            "tbl_Notizen", "tbl_Ferien", "tbl_Abhängigkeiten"}) {
    const Rows stored =
        app.Query(std::string("SELECT '") + table + "', * FROM \"" + table + "\" ORDER BY rowid");
    rows.insert(rows.end(), stored.begin(), stored.end());
  }
  return rows;
}

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

void Configure(mvtest::TestApp& app, int language, const std::filesystem::path& file) {
  mv::SettingsRecord settings;
  settings.Language = static_cast<std::uint8_t>(language);
  settings.CalendarFont = "Arial";
  settings.DatabasePath = (file.empty() ? app.DbPath() : file).string();
  app.WriteSettings(settings);
}

mv::frmKalender& Start(mvtest::TestApp& app, int wait) {
  mv::frmKalender* main = app.StartProgram() == 0 ? app.LoginAs("zoller", "pw") : nullptr;
  if (!main) throw std::runtime_error("the program did not start");
  app.s().Conn.SetBusyTimeout(wait);
  return *main;
}

}  // namespace prooftest
