// morvellan-newdb [--settings] FILE [LOGIN [PASSWORD]]
// Creates a new Morvellan database file from data/schema.sql with one team and one administrator,
// and on request the settings file beside it that names it.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "db/Db.h"
#include "schema_text.h"
#include "text/Utf8.h"

namespace {

int Usage() {
  std::cerr
      << "usage: morvellan-newdb [--settings] FILE [LOGIN [PASSWORD]]\n"
         "  Creates a new, empty Morvellan database FILE (never overwrites one) with the team\n"
         "  \"Team 1\" and the administrator \"Administrator, Admin\" (personnel number 1).\n"
         "  LOGIN defaults to \"admin\"; without PASSWORD a random one is made and printed.\n"
         "  --settings also writes settings.dat beside FILE, naming FILE as the database the\n"
         "  program opens (German, the password masked, weekends and holidays marked), unless a\n"
         "  settings.dat is there.\n"
         "  The program reads settings.dat from its own folder.\n";
  return 2;
}

std::string RandomPassword() {
  static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device rd;
  std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kChars) - 2);
  std::string p;
  for (int i = 0; i < 8; ++i) p += kChars[pick(rd)];
  return p;
}

// So that the program's first start opens this database without a word about a missing one.
// A settings.dat already there holds a user's settings and is kept. Failing here leaves the
// database usable: the program then falls back to the file in its own folder and says so.
void WriteSettingsBeside(const std::string& file) {
  std::error_code ec;
  const std::filesystem::path database = std::filesystem::absolute(file, ec).lexically_normal();
  const std::filesystem::path folder = database.parent_path();
  const std::filesystem::path settings = mv::SettingsFilePath(folder);
  if (std::filesystem::exists(settings, ec)) {
    std::cout << "Kept the settings in " << settings.string() << "\n";
    return;
  }
  mv::SettingsRecord record = mv::EffectiveSettings({});
  // A newcomer's first look: the password masked, weekends and holidays marked in colours the
  // calendar's letters read well on.
  record.MaskPassword = -1;
  record.HighlightWeekend = -1;
  record.HighlightHolidays = -1;
  record.WeekendColor = 0xC0C0C0;  // light grey
  record.HolidayColor = 0x80FF80;  // light green
  record.DatabasePath = database.string();
  if (!mv::DatabasePathFits(record.DatabasePath)) {
    std::cerr << "morvellan-newdb: the settings file holds paths of up to " << mv::DatabasePathWidth
              << " Windows-1252 characters; " << record.DatabasePath
              << " is not one, so no settings.dat was written.\n";
    return;
  }
  if (auto error = mv::WriteSettingsFile(folder, record)) {
    std::cerr << "morvellan-newdb: " << *error << "\n";
    return;
  }
  std::cout << "Wrote the settings " << settings.string() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "-h" || args[0] == "--help")) {
    Usage();
    return 0;
  }
  const bool withSettings = !args.empty() && args[0] == "--settings";
  if (withSettings) args.erase(args.begin());
  if (args.empty() || args.size() > 3) return Usage();
  const std::string file = args[0];
  const std::string login = args.size() >= 2 ? args[1] : "admin";
  const bool generated = args.size() < 3;
  const std::string password = generated ? RandomPassword() : args[2];

  if (login.empty() || text::Length(login) > 20) {
    std::cerr << "morvellan-newdb: the login name must have 1 to 20 characters.\n";
    return 2;
  }
  if (password.empty() || text::Length(password) > 15) {
    std::cerr << "morvellan-newdb: the password must have 1 to 15 characters.\n";
    return 2;
  }
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) {
    std::cerr << "morvellan-newdb: " << file << " exists already; it is not overwritten.\n";
    return 1;
  }

  try {
    db::CreateDatabaseFile(file, kSchemaSql);
  } catch (const db::Error& e) {
    std::cerr << "morvellan-newdb: " << e.what() << "\n";
    return 1;
  }

  try {
    db::Connection conn;
    conn.Open(db::JetConnectionString(file));
    conn.ExecuteNative("BEGIN IMMEDIATE");
    db::Recordset rs;
    rs.Open("tbl_Teams", conn, db::CursorType::Static, db::LockType::Pessimistic);
    rs.AddNew();
    rs["TeamNr"] = 0;
    rs["TeamName"] = "Team 1";
    rs["MaxAbw"] = 30;
    rs.Update();
    rs.Close();

    rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
    rs.AddNew();
    rs["PersNr"] = 1;
    rs["Nachname"] = "Administrator";
    rs["Vorname"] = "Admin";
    rs["TelNr"] = "*";
    rs["Mail"] = "*";
    rs["TeamNr"] = 0;
    rs["UTage"] = 30;
    rs.Update();
    rs.Close();

    rs.Open("tbl_User", conn, db::CursorType::Static, db::LockType::Pessimistic);
    rs.AddNew();
    rs["PersNr"] = 1;
    rs["LoginID"] = login;
    rs["Passwort"] = password;
    rs["Gruppe"] = 1;
    rs.Update();
    rs.Close();
    conn.ExecuteNative("COMMIT");
    conn.Close();
  } catch (const std::exception& e) {
    std::cerr << "morvellan-newdb: " << e.what() << "\n";
    std::remove(file.c_str());
    return 1;
  }

  std::filesystem::path abs = std::filesystem::absolute(file, ec);
  std::cout << "Created the Morvellan database " << (ec ? file : abs.string()) << "\n"
            << "Administrator login: " << login << "\n";
  if (generated) std::cout << "Password: " << password << "\n";
  if (withSettings) WriteSettingsBeside(file);
  return 0;
}
