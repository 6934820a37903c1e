#pragma once
// The program-wide data: settings and texts, the one connection with its shared recordsets, the
// login state, the view position, the month grid's cell notes and the entry in progress. Created
// with the program and passed by reference; there are no globals. The windows live above it, in
// the program layer.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/EntryKinds.h"
#include "core/Settings.h"
#include "core/Texts.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "forms/Runtime.h"

namespace mv {

constexpr int GroupAdmin = 1;
constexpr int GroupBackOffice = 2;
constexpr int GroupEmployee = 3;

// Rows 0-34 by columns 0-31 of the month grid: note numbers, 0 = none.
using CellNoteTable = std::array<std::array<long, 32>, 35>;

struct State {
  explicit State(forms::Platform& platform) : rt(platform) {}
  State(const State&) = delete;
  State& operator=(const State&) = delete;

  // The text of number id in the current language.
  const std::string& T(int id) const { return Texts(id, Language()); }
  int Language() const { return Settings.Language; }

  forms::Runtime rt;

  // Settings and texts
  SettingsRecord Settings;
  // The path settings.dat names, kept when the start-up fell back to the local database file
  // (Settings.DatabasePath then names the local one), so that storing the settings keeps it.
  std::optional<std::string> ConfiguredDatabasePath;
  TextTable Texts;
  std::uint8_t ZoomLevel = 0;
  std::string SortOrder = "ASC";

  // Database: the connection, one shared recordset per table, the main window's three queries
  db::Connection Conn;
  db::Recordset RsKalender;
  db::Recordset RsUser;
  db::Recordset RsTeams;
  db::Recordset RsMitarbeiter;
  db::Recordset RsNotizen;
  db::Recordset RsFerien;
  db::Recordset RsAbh;
  db::Recordset RsTeamMembers;
  db::Recordset RsMonthEntries;
  db::Recordset RsCount;
  std::string SqlTeam;
  std::string SqlMonth;

  // What the user action under way has told of failures, and the connection's own wait while the
  // action waits for a busy file no more (core/FailureReport.h).
  struct SaidFailure {
    db::ErrorKind Kind;
    std::string Reason;
  };
  std::vector<SaidFailure> FailuresSaid;
  std::optional<int> BusyWaitKept;

  // Login state
  int UserGroup = 0;
  std::string CurrentLoginID;
  int UserTeam = 0;
  int UserVacationDays = 0;
  std::string CurrentUserName;

  // Current employee
  long CurrentPersNr = 0;

  // View position
  int CurrentTeam = 0;
  int CurrentMonth = 1;
  int CurrentYear = 2003;
  int InfoIndex = 0;

  // Month grid
  int OwnRow = 4;
  int HoverRow = 0;
  CellNoteTable CellNotes{};
  // Why the calendar as last built misses members or entries; empty when it shows them all.
  std::optional<db::Error> CalendarGap;

  // Entry in progress
  EntryType CurrentType = EntryType::Urlaub;
  EntryAction CurrentAction = EntryAction::anfragen;
  std::string CurrentSign;
  std::string CurrentKennZ;
  std::optional<int> SelStart;  // empty while no selection is under way
  int SelEndCol = 0;
  long NoteNr = 0;
  bool HasDeps = false;
  std::array<long, 4> DepPersNr{};        // positions 1 to 3
  std::array<std::string, 4> DepNames{};  // positions 1 to 3
};

}  // namespace mv
