#include "calendar/EntryRows.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/AbsenceCode.h"
#include "calendar/SelectedDays.h"
#include "calendar/SignedText.h"
#include "calendar/frmKalender.h"
#include "core/WriteGuard.h"
#include "db/Db.h"

namespace mv {

namespace {

std::vector<int> DaysOf(db::Recordset& rs, int first, int last) {
  std::vector<int> days;
  for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
    const int day = rs["Datum"].Date().Day();
    if (day >= first && day <= last) days.push_back(day);
  }
  std::sort(days.begin(), days.end());
  return days;
}

std::vector<int> StoredDays(State& s, int first, int last) {
  db::Recordset stored;
  stored.Open("SELECT tbl_Kalender.Datum FROM tbl_Kalender WHERE (((tbl_Kalender.PersNr)=" +
                  Str(s.CurrentPersNr) + ") AND ((Month([Datum]))=" + Str(s.CurrentMonth) +
                  ") AND ((Year([Datum]))=" + Str(s.CurrentYear) + "));",
              s.Conn, db::CursorType::Static, db::LockType::ReadOnly);
  return DaysOf(stored, first, last);
}

// RsKalender narrowed to the employee's rows of the selection while the rows are written or
// deleted.
class SelectionRows {
 public:
  SelectionRows(State& s, int first, int last) : rs_(s.RsKalender) {
    rs_.Filter("PersNr=" + Str(s.CurrentPersNr) + " AND Datum >=" + DayText(s, first) +
               " AND Datum <=" + DayText(s, last));
    try {
      // RsKalender lacks what another running copy wrote or deleted since it was opened.
      if (DaysOf(rs_, first, last) != StoredDays(s, first, last)) rs_.Requery();
    } catch (...) {
      ShowAll();
      throw;
    }
  }
  ~SelectionRows() { ShowAll(); }
  SelectionRows(const SelectionRows&) = delete;
  SelectionRows& operator=(const SelectionRows&) = delete;

 private:
  void ShowAll() noexcept {
    try {
      rs_.Filter(0);
    } catch (const db::Error&) {
      // The filter goes with the recordset's next opening.
    }
  }

  db::Recordset& rs_;
};

void WriteDay(State& s, const db::Date& day) {
  db::Recordset& rs = s.RsKalender;
  rs.MoveFirst();
  rs.Find("Datum = " + day.ToShort());
  if (rs.EOF()) rs.AddNew();
  rs["PersNr"] = s.CurrentPersNr;
  rs["Datum"] = day.ToShort();
  rs["notiz"] = s.NoteNr;
  const std::string kennZ = rs["KennZ"].Text();
  if (s.UserGroup != GroupEmployee || kennZ.empty() || kennZ.front() != 'K')
    rs["KennZ"] = s.CurrentKennZ;
}

}  // namespace

void WriteSelectedDays(CalendarWindows& w, int first, int last) {
  State& s = w.s;
  db::Recordset& rs = s.RsKalender;
  forms::Grid& grid = w.frmKalender.Get().grdCal;
  // The write lock first: another copy's rows of these days are then in the file when they are
  // read, and no copy writes between the reading and the writing.
  WriteGuard guard(s.Conn, {&rs});
  {
    SelectionRows rows(s, first, last);
    for (int d = first; d <= last; ++d) {
      grid.SetCol(d);
      PrepareKennZ(w);
      WriteDay(s, SelectedDay(s, d));
    }
    rs.Update();
  }
  guard.Commit();
}

void DeleteSelectedDays(State& s, int first, int last) {
  db::Recordset& rs = s.RsKalender;
  WriteGuard guard(s.Conn, {&rs});
  {
    SelectionRows rows(s, first, last);
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
      if (s.UserGroup != GroupEmployee || rs["KennZ"].Text().ends_with('?')) rs.Delete();
    }
  }
  guard.Commit();
}

}  // namespace mv
