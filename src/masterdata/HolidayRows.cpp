#include "masterdata/HolidayRows.h"

#include "core/WriteGuard.h"
#include "db/Db.h"

namespace mv {

namespace {

// Compared as dates, so that the stored value, this filter and the month calendar's marks agree.
std::string DayCriterion(const db::Date& day) {
  return "Datum = " + std::to_string(day.Day()) + "." + std::to_string(day.Month()) + "." +
         std::to_string(day.Year());
}

// Read again inside the transaction: rows another copy wrote since the window opened count too.
void ReadAgain(db::Recordset& holidays) {
  holidays.Filter(0);
  holidays.Requery();
}

}  // namespace

std::bitset<32> MarkedDays(db::Recordset& holidays, int year, int month) {
  std::bitset<32> days;
  holidays.Filter(0);
  for (holidays.MoveFirst(); !holidays.EOF(); holidays.MoveNext()) {
    const db::Date day = holidays["Datum"].Date();
    if (day.Year() == year && day.Month() == month) days.set(static_cast<std::size_t>(day.Day()));
  }
  return days;
}

void MarkHolidays(State& s, const std::vector<db::Date>& days, long note) {
  db::Recordset& rs = s.RsFerien;
  WriteGuard guard(s.Conn, {&rs});
  ReadAgain(rs);
  for (const db::Date& day : days) {
    rs.Filter(DayCriterion(day));
    if (rs.RecordCount() == 0) {
      rs.AddNew();
      rs["Datum"] = day;
    }
    rs["notiz"] = note;
    rs.Update();
    for (rs.MoveNext(); !rs.EOF(); rs.MoveNext()) rs.Delete();
  }
  rs.Filter(0);
  guard.Commit();
}

void UnmarkHolidays(State& s, const std::vector<db::Date>& days) {
  db::Recordset& rs = s.RsFerien;
  WriteGuard guard(s.Conn, {&rs});
  ReadAgain(rs);
  for (const db::Date& day : days) {
    rs.Filter(DayCriterion(day));
    for (; !rs.EOF(); rs.MoveNext()) rs.Delete();
  }
  rs.Filter(0);
  guard.Commit();
}

long HolidaysInYear(State& s, int year) {
  db::Recordset rs;
  rs.Open("SELECT tbl_Ferien.Datum FROM tbl_Ferien WHERE ((Year([Datum])=" + std::to_string(year) +
              "));",
          s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  return rs.RecordCount();
}

std::string HolidayNote(State& s, const db::Date& day) {
  db::Recordset& holidays = s.RsFerien;
  holidays.Filter(DayCriterion(day));
  const long note = holidays.RecordCount() == 1 ? holidays["notiz"].Int() : 0;
  holidays.Filter(0);
  if (note == 0) return "";
  db::Recordset text;
  text.Open("SELECT Text FROM tbl_Notizen WHERE LfdNr = " + std::to_string(note) + ";", s.Conn,
            db::CursorType::Static, db::LockType::ReadOnly);
  return text.EOF() ? "" : text["Text"].Text();
}

}  // namespace mv
