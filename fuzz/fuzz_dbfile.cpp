// Any bytes as the database file: opening it and reading each of the program's seven tables
// either works or fails with a db::Error that says why; nothing crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzSupport.h"
#include "db/Db.h"

namespace {

const char* const kTables[] = {"tbl_Mitarbeiter", "tbl_Teams",  "tbl_User",          "tbl_Kalender",
                               "tbl_Notizen",     "tbl_Ferien", "tbl_Abhängigkeiten"};

void ReadTable(db::Connection& conn, const char* table) {
  try {
    db::Recordset rs;
    rs.Open(table, conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
    for (; !rs.EOF(); rs.MoveNext())
      for (int f = 0; f < rs.FieldCount(); ++f) rs.Field(f).Get().Text();
  } catch (const db::Error& e) {
    if (std::string(e.what()).empty()) fuzz::Finding("a db::Error without description");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path file = fuzz::ProcessFolder() / "Morvellan.mdb";
  // A journal or write-ahead log left by the previous input would be applied to this one.
  for (const char* suffix : {"-journal", "-wal", "-shm"}) {
    std::error_code ignored;  // usually there is none
    std::filesystem::remove(file.string() + suffix, ignored);
  }
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  db::Connection conn;
  try {
    conn.Open(db::JetConnectionString(file.string()));
  } catch (const db::Error& e) {
    if (std::string(e.what()).empty()) fuzz::Finding("a db::Error without description");
    return 0;
  }
  for (const char* table : kTables) ReadTable(conn, table);
  return 0;
}
