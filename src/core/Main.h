#pragma once
// Start-up and the reading of the settings and texts.
#include <filesystem>

#include "core/CoreWindows.h"
#include "core/State.h"

namespace mv {

// Exit statuses of a start-up that could not go on (0 is a normal end).
constexpr int ExitDatabaseUnavailable = 2;  // neither the configured nor the local database opens
constexpr int ExitLoginWindowFailed = 3;    // the login window could not be set up
constexpr int ExitDatabaseBusy = 4;         // the user gave up waiting for a database held locked

// The program's entry point: seeds the random numbers, reads the settings and texts, opens Conn
// (falling back to the local database file with text 149; a file another copy holds locked is
// waited for while the user retries) and loads the login window.
// Returns 0 when the login window is shown; otherwise reports the failure in a message box, ends
// the program with s.rt.End(status) and returns that status (the login window is then not shown).
int Main(CoreWindows& windows);

// Reads settings.dat from the program folder (created empty when missing), takes the first-start
// values where the record names no language or font, sets ZoomLevel 0 and SortOrder "ASC" and fills
// the text table. A settings file that can be neither read nor created leaves the first-start
// values and is reported in a message box.
void LoadSettingsAndTexts(State& s);

// The local database file: Morvellan.mdb in the program folder.
std::filesystem::path LocalDatabasePath(const State& s);

// Loads frmLogin (its set-up opens RsUser and shows it). When the set-up fails (for example a
// database without tbl_User), shows the failure's description, drops the window, ends the program
// with ExitLoginWindowFailed and returns false.
bool LoadLoginWindow(CoreWindows& windows);

}  // namespace mv
