#include <array>
#include <string>

#include "calendar/SignedText.h"
#include "calendar/frmKalender.h"
#include "core/FailureMessage.h"
#include "db/Criteria.h"

namespace mv {

namespace {

// The kinds of the info panel by option index 1 to 5.
constexpr std::array kKinds = {EntryType::Urlaub, EntryType::Krank, EntryType::Zeitausgleich,
                               EntryType::Dienstreise, EntryType::Sonstiges};

long CountRows(State& s, const std::string& sql) {
  s.RsCount.Open(sql, s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  const long n = s.RsCount.RecordCount();
  s.RsCount.Close();
  return n;
}

long CountInMonth(State& s, const std::string& kennZ) {
  return CountRows(
      s,
      "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ FROM tbl_Kalender WHERE "
      "(((tbl_Kalender.PersNr)=" +
          Str(s.CurrentPersNr) + ") AND ((Month([Datum]))=" + Str(s.CurrentMonth) +
          ") AND ((Year([Datum]))=" + Str(s.CurrentYear) + ") AND KennZ = " + db::Quote(kennZ) +
          ");");
}

// Vacation days of the shown year that use up the account: approved and enquired, not declined.
long PlannedVacation(State& s) {
  return CountRows(
      s,
      "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ FROM tbl_Kalender WHERE "
      "((tbl_Kalender.PersNr)=" +
          Str(s.CurrentPersNr) + ") AND (Year([Datum])=" + Str(s.CurrentYear) +
          " AND (Left$([KennZ],1) = 'U') AND (Right$([KennZ],1) <> '!'));");
}

// The annual vacation days of an employee; 0 when there is no such employee (none chosen yet, or
// deleted).
int AnnualVacation(State& s, long persNr) {
  db::Recordset rs;
  rs.Open(
      "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.UTage FROM tbl_Mitarbeiter WHERE "
      "tbl_Mitarbeiter.PersNr=" +
          Str(persNr) + ";",
      s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  const int days = rs.EOF() ? 0 : rs["UTage"].Int();
  rs.Close();
  return days;
}

}  // namespace

void frmKalender::opt_Info_Click(int Index) {
  const bool known = Index >= 1 && Index <= static_cast<int>(kKinds.size());
  // Selecting the kind's option raises its Click, which comes back here and shows the kind.
  if (known && !opt_Info(Index).Value()) {
    opt_Info(Index).SetValue(true);
    return;
  }
  s_.InfoIndex = Index;
  if (known) {
    const EntryType kind = kKinds[static_cast<size_t>(Index - 1)];
    const bool sick = KennZOf(kind, '?').empty();
    lbl_Info.SetCaption(s_.T(NameText(kind)));
    lbl_Info1.SetCaption(s_.T(sick ? 45 : 38));
    lbl_Info2.SetCaption(sick ? "---" : s_.T(39));
    lbl_Info3.SetCaption(s_.T(sick ? 46 : 40));
    lbl_Info2.SetEnabled(!sick);
    lbl_ColInfo2.SetEnabled(!sick);
    try {
      lbl_ColInfo1.SetCaption(std::to_string(CountInMonth(s_, KennZOf(kind, '/'))));
      lbl_ColInfo2.SetCaption(sick ? "0" : std::to_string(CountInMonth(s_, KennZOf(kind, '?'))));
      lbl_ColInfo3.SetCaption(std::to_string(CountInMonth(s_, KennZOf(kind, '!'))));
    } catch (const db::Error& e) {
      s_.rt.MsgBox(FailureMessage(s_, e));
    }
    lbl_InfoShadow.ForEach(
        [this](int, forms::Label& shadow) { shadow.SetCaption(lbl_Info.Caption()); });
  }
  UpdateVacationAccount();
}

void frmKalender::UpdateVacationAccount() {
  try {
    if (s_.UserGroup != GroupEmployee) s_.UserVacationDays = AnnualVacation(s_, s_.CurrentPersNr);
    const long planned = PlannedVacation(s_);
    const long left = s_.UserVacationDays - planned;
    lbl_KtoZahl1.SetCaption(std::to_string(s_.UserVacationDays));
    lbl_KtoZahl2.SetCaption(std::to_string(planned));
    lbl_KtoZahl2.SetForeColor(left < 0 ? forms::vbRed : forms::vbWhite);
    lbl_KtoZahl3.SetCaption(std::to_string(left < 0 ? 0 : left));
  } catch (const db::Error& e) {
    s_.rt.MsgBox(FailureMessage(s_, e));
  }
}

}  // namespace mv
