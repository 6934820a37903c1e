// morvellan-newdb FILE [LOGIN [PASSWORD]]
// Creates a new Morvellan database file from data/schema.sql with one team and one administrator.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include "db/Db.h"
#include "schema_text.h"
#include "text/Utf8.h"

namespace {

int Usage() {
  std::cerr
      << "usage: morvellan-newdb FILE [LOGIN [PASSWORD]]\n"
         "  Creates a new, empty Morvellan database FILE (never overwrites one) with the team\n"
         "  \"Team 1\" and the administrator \"Administrator, Admin\" (personnel number 1).\n"
         "  LOGIN defaults to \"admin\"; without PASSWORD a random one is made and printed.\n";
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) return Usage();
  std::string arg1 = argv[1];
  if (arg1 == "-h" || arg1 == "--help") {
    Usage();
    return 0;
  }
  const std::string file = arg1;
  const std::string login = argc >= 3 ? argv[2] : "admin";
  const bool generated = argc < 4;
  const std::string password = generated ? RandomPassword() : argv[3];

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
  return 0;
}
