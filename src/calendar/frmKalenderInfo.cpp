#include <array>
#include <optional>
#include <string>

#include "calendar/SignedText.h"
#include "calendar/frmKalender.h"
#include "core/FailureReport.h"
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

std::optional<EntryType> KindOf(int index) {
  if (index < 1 || index > static_cast<int>(kKinds.size())) return std::nullopt;
  return kKinds[static_cast<size_t>(index - 1)];
}

bool Sick(EntryType kind) { return KennZOf(kind, '?').empty(); }

// The counts of the panel's rows 1 to 3; the sick days' row 2 is none.
std::array<long, 3> ReadCounts(State& s, EntryType kind) {
  return {CountInMonth(s, KennZOf(kind, '/')), Sick(kind) ? 0 : CountInMonth(s, KennZOf(kind, '?')),
          CountInMonth(s, KennZOf(kind, '!'))};
}

void ShowCounts(frmKalender& k, const std::array<long, 3>& counts) {
  k.lbl_ColInfo1.SetCaption(std::to_string(counts[0]));
  k.lbl_ColInfo2.SetCaption(std::to_string(counts[1]));
  k.lbl_ColInfo3.SetCaption(std::to_string(counts[2]));
}

struct Account {
  int annual = 0;
  long planned = 0;
};

// Group 3 keeps the own annual days read at login.
Account ReadAccount(State& s) {
  const int annual =
      s.UserGroup != GroupEmployee ? AnnualVacation(s, s.CurrentPersNr) : s.UserVacationDays;
  return {annual, PlannedVacation(s)};
}

void ShowAccount(frmKalender& k, State& s, const Account& account) {
  s.UserVacationDays = account.annual;
  const long left = account.annual - account.planned;
  k.lbl_KtoZahl1.SetCaption(std::to_string(account.annual));
  k.lbl_KtoZahl2.SetCaption(std::to_string(account.planned));
  k.lbl_KtoZahl2.SetForeColor(left < 0 ? forms::vbRed : forms::vbWhite);
  k.lbl_KtoZahl3.SetCaption(std::to_string(left < 0 ? 0 : left));
}

}  // namespace

void frmKalender::opt_Info_Click(int Index) {
  const std::optional<EntryType> kind = KindOf(Index);
  // Selecting the kind's option raises its Click, which comes back here and shows the kind.
  if (kind && !opt_Info(Index).Value()) {
    opt_Info(Index).SetValue(true);
    return;
  }
  s_.InfoIndex = Index;
  if (kind) {
    const bool sick = Sick(*kind);
    lbl_Info.SetCaption(s_.T(NameText(*kind)));
    lbl_Info1.SetCaption(s_.T(sick ? 45 : 38));
    lbl_Info2.SetCaption(sick ? "---" : s_.T(39));
    lbl_Info3.SetCaption(s_.T(sick ? 46 : 40));
    lbl_Info2.SetEnabled(!sick);
    lbl_ColInfo2.SetEnabled(!sick);
    try {
      ShowCounts(*this, ReadCounts(s_, *kind));
    } catch (const db::Error& e) {
      ShowFailure(s_, e);
    }
    lbl_InfoShadow.ForEach(
        [this](int, forms::Label& shadow) { shadow.SetCaption(lbl_Info.Caption()); });
  }
  UpdateVacationAccount();
}

void frmKalender::UpdateVacationAccount() {
  try {
    ShowAccount(*this, s_, ReadAccount(s_));
  } catch (const db::Error& e) {
    ShowFailure(s_, e);
  }
}

void frmKalender::FollowInfo() {
  const std::optional<EntryType> kind = KindOf(s_.InfoIndex);
  const BriefWait brief(s_.Conn);
  try {
    std::optional<std::array<long, 3>> counts;
    if (kind) counts = ReadCounts(s_, *kind);
    const Account account = ReadAccount(s_);
    if (counts) ShowCounts(*this, *counts);
    ShowAccount(*this, s_, account);
  } catch (const db::Error&) {
    // Only the pointer moved: the last figures stay, and the next thing the user does with the
    // file tells him why it cannot be read.
  }
}

}  // namespace mv
