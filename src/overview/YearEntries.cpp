#include "overview/YearEntries.h"

#include "calendar/SignedText.h"
#include "db/Db.h"
#include "overview/YearCalendar.h"

namespace mv {

std::vector<YearMember> ReadYearMembers(db::Connection& conn, int team,
                                        const std::string& sortOrder) {
  db::Recordset rs;
  rs.SetCursorLocation(db::CursorLocation::Client);
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::ReadOnly);
  rs.Filter("TeamNr =" + std::to_string(team));
  rs.Sort("Nachname " + sortOrder);
  std::vector<YearMember> members;
  for (; !rs.EOF(); rs.MoveNext()) {
    members.push_back({static_cast<long>(rs["PersNr"].Int64()), rs["Nachname"].Text(),
                       rs["Vorname"].Text(), rs["UTage"].Int()});
  }
  return members;
}

std::vector<DayEntries> ReadMemberYear(db::Connection& conn, long persNr, int year) {
  db::Recordset rs;
  rs.SetCursorLocation(db::CursorLocation::Client);
  rs.Open("SELECT * FROM tbl_Kalender WHERE ((tbl_Kalender.PersNr = " + std::to_string(persNr) +
              ") AND (Year([tbl_Kalender.Datum]))=" + Str(year) + ");",
          conn, db::CursorType::Static, db::LockType::ReadOnly);
  std::vector<DayEntries> days(static_cast<size_t>(ColumnOf(year, 12, 31)) + 1);
  for (; !rs.EOF(); rs.MoveNext()) {
    const db::Date date = rs["Datum"].Date();
    const int column = date.Year() == year ? ColumnOf(year, date.Month(), date.Day()) : 0;
    if (column == 0) continue;
    DayEntries& day = days[static_cast<size_t>(column)];
    ++day.count;
    day.kennZ = rs["KennZ"].Text();
  }
  return days;
}

}  // namespace mv
