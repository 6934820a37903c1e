// Any text as a Find and as a Filter criterion on recordsets of a small database (two tables and
// a query with null and fractional cells). A criterion either fails with a db::Error that says
// why, or selects the same rows through Filter as through repeated Find.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "db/Db.h"

namespace {

struct Scene {
  db::Connection conn;
  std::vector<std::unique_ptr<db::Recordset>> sets;

  Scene() {
    conn.Open(db::JetConnectionString(fuzz::CreateSampleDatabase("criteria.mdb")));
    for (const char* source :
         {"tbl_Kalender", "tbl_Mitarbeiter",
          "SELECT M.PersNr, M.Nachname, K.Datum, K.KennZ, M.UTage / 4.0 AS Viertel "
          "FROM tbl_Mitarbeiter AS M LEFT JOIN tbl_Kalender AS K ON K.PersNr = M.PersNr"}) {
      auto rs = std::make_unique<db::Recordset>();
      rs->Open(source, conn, db::CursorType::Static, db::LockType::ReadOnly);
      sets.push_back(std::move(rs));
    }
  }
};

void Described(const db::Error& e) {
  if (std::string(e.what()).empty()) fuzz::Finding("a db::Error without description");
}

// Rows visible through the criterion as a filter; -1 when it is refused.
long FilteredRows(db::Recordset& rs, const std::string& criterion) {
  long rows = -1;
  try {
    rs.Filter(criterion);
    rows = rs.RecordCount();
    long seen = 0;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
      for (int f = 0; f < rs.FieldCount(); ++f) rs.Field(f).Get();
      ++seen;
    }
    if (seen != rows) fuzz::Finding("RecordCount differs from the rows moved through");
  } catch (const db::Error& e) {
    Described(e);
  }
  rs.FilterNone();
  return rows;
}

// Rows found by Find from the first row on; -1 when it is refused.
long FoundRows(db::Recordset& rs, const std::string& criterion) {
  long rows = 0;
  try {
    rs.MoveFirst();
    for (rs.Find(criterion); !rs.EOF(); rs.Find(criterion)) {
      ++rows;
      rs.MoveNext();
    }
  } catch (const db::Error& e) {
    Described(e);
    return -1;
  }
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Scene scene;
  const std::string criterion(reinterpret_cast<const char*>(data), size);
  for (auto& rs : scene.sets) {
    const long filtered = FilteredRows(*rs, criterion);
    const long found = FoundRows(*rs, criterion);
    if (filtered != found)
      fuzz::Finding("Filter selects " + std::to_string(filtered) + " rows, Find " +
                    std::to_string(found) + ", for \"" + criterion + "\" on " + rs->Source());
  }
  return 0;
}
