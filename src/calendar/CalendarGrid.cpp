#include "calendar/CalendarGrid.h"

#include <string>

#include "calendar/DayMarks.h"
#include "calendar/SignedText.h"
#include "calendar/TeamLists.h"
#include "calendar/frmKalender.h"
#include "core/FailureMessage.h"
#include "core/FailureReport.h"
#include "db/Db.h"

namespace mv {

namespace {

constexpr int FirstMemberRow = 4;
constexpr int LastDayCol = 31;
constexpr forms::Color YearColor = 0x0040C0;

// Rebuilding must never load the main window (that would run its whole set-up and show it).
forms::Grid* Cal(CalendarWindows& w) {
  auto* k = w.frmKalender.IfLoaded();
  return k ? &k->grdCal : nullptr;
}

int DayWidth(const State& s) { return 300 + 100 * s.ZoomLevel; }

// Said before the reason why the calendar misses members or entries.
std::string GapLead(const State& s) {
  return s.Language() == LanguageEnglish ? "The calendar could not be read completely:"
                                         : "Der Kalender konnte nicht vollständig gelesen werden:";
}

long MemberCount(State& s) { return s.RsTeamMembers.IsOpen() ? s.RsTeamMembers.RecordCount() : 0; }

void ClearMemberCells(forms::Grid& g) {
  for (int c = 1; c <= LastDayCol; ++c) {
    for (int r = FirstMemberRow; r < g.Rows(); ++r) {
      g.SetTextMatrix(r, c, "");
      g.SetRow(r);
      g.SetCol(c);
      g.SetCellBackColor(forms::vbWhite);
    }
  }
}

void WriteMemberNames(State& s, forms::Grid& g) {
  g.SetCol(0);
  g.SetRows(static_cast<int>(MemberCount(s)) + FirstMemberRow);
  if (g.Rows() == FirstMemberRow) return;
  s.RsTeamMembers.MoveFirst();
  for (int r = FirstMemberRow; r < g.Rows() && !s.RsTeamMembers.EOF(); ++r) {
    g.SetRow(r);
    g.SetCellFontBold(false);
    g.SetText(s.RsTeamMembers["Nachname"].Text() + ", " + s.RsTeamMembers["Vorname"].Text());
    s.RsTeamMembers.MoveNext();
  }
}

void FindOwnRow(State& s, const forms::Grid& g) {
  for (int r = FirstMemberRow; r < g.Rows(); ++r) {
    if (g.TextMatrix(r, 0) == s.CurrentUserName) s.OwnRow = r;
  }
}

// A stale OwnRow (the user's name is not in the shown team) points at someone else's row, so the
// own name is made bold only where the row really shows it.
void MarkOwnName(State& s, forms::Grid& g) {
  if (s.UserGroup != GroupEmployee) return;
  g.SetCol(0);
  for (int r = FirstMemberRow; r < g.Rows(); ++r) {
    g.SetRow(r);
    g.SetCellFontBold(false);
  }
  if (s.CurrentTeam == s.UserTeam && ShowsOwnName(s, g, s.OwnRow)) {
    g.SetRow(s.OwnRow);
    g.SetCellFontBold(true);
  }
}

void TeamPass(CalendarWindows& w, forms::Grid& g) {
  State& s = w.s;
  WriteMemberNames(s, g);
  FormatDayColumns(w, LastDayCol);
  g.SetRedraw(false);
  FindOwnRow(s, g);
  const auto& teams = w.frmKalender.IfLoaded()->cmbTeamAuswahl;
  const std::string team = s.CurrentTeam >= 0 && s.CurrentTeam < teams.ListCount()
                               ? teams.List(s.CurrentTeam)
                               : std::string();
  for (int c = 1; c <= LastDayCol; ++c) g.SetTextMatrix(0, c, team);
  MarkOwnName(s, g);
}

void MonthPass(CalendarWindows& w, forms::Grid& g) {
  State& s = w.s;
  const std::string month = s.T(s.CurrentMonth);
  g.SetRow(1);
  for (int c = 1; c <= LastDayCol; ++c) {
    g.SetCol(c);
    g.SetText(month);
    g.SetCellAlignment(forms::flexAlignCenterCenter);
  }
  const std::string year = std::to_string(s.CurrentYear);
  for (int r = 0; r < FirstMemberRow; ++r) g.SetTextMatrix(r, 0, year);
  const int days = MonthLength(s.CurrentMonth, s.CurrentYear);
  for (int d = 29; d <= LastDayCol; ++d) {
    if (d <= days) {
      g.SetColWidth(d, DayWidth(s));
      g.SetTextMatrix(3, d, std::to_string(d));
    } else {
      g.SetColWidth(d, 0);
      g.SetTextMatrix(2, d, "");
      g.SetTextMatrix(3, d, "");
    }
  }
  FormatDayColumns(w, days);
  g.SetRedraw(false);
}

}  // namespace

bool ShowsOwnName(const State& s, const forms::Grid& g, int row) {
  return row >= FirstMemberRow && row < g.Rows() && g.TextMatrix(row, 0) == s.CurrentUserName;
}

int MonthLength(int month, int year) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return year % 4 == 0 ? 29 : 28;
    default:
      return 31;
  }
}

void ApplyCalendarFont(forms::Grid& g, const std::string& font) {
  for (int c = 0; c <= LastDayCol && c < g.Cols(); ++c) {
    for (int r = 0; r < g.Rows(); ++r) {
      g.SetRow(r);
      g.SetCol(c);
      g.SetCellFontName(font);
    }
  }
  g.SetFontName(font);
}

void InitCalendarGrid(CalendarWindows& w) {
  State& s = w.s;
  auto* main = w.frmKalender.IfLoaded();
  if (!main) return;
  auto& k = *main;
  auto& g = k.grdCal;
  ApplyZoom(w);
  FillTeamCombos(w);
  if (s.CurrentTeam >= 0 && s.CurrentTeam < k.cmbTeamAuswahl.ListCount())
    k.cmbTeamAuswahl.SetListIndex(s.CurrentTeam);
  g.SetColWidth(0, 2000);
  g.SetFocusRect(forms::flexFocusNone);
  g.SetMergeCells(forms::flexMergeRestrictRows);
  g.SetMergeRow(0, true);
  g.SetMergeRow(1, true);
  g.SetMergeCol(0, true);
  g.SetRow(3);
  for (int c = 1; c <= LastDayCol; ++c) {
    g.SetCol(c);
    g.SetText(std::to_string(c));
    g.SetCellAlignment(forms::flexAlignCenterCenter);
  }
  for (int c = 1; c <= LastDayCol; ++c) {
    for (int r = 0; r < g.Rows(); ++r) {
      g.SetRow(r);
      g.SetCol(c);
      g.SetCellAlignment(forms::flexAlignCenterCenter);
    }
  }
  g.SetRow(3);
  g.SetCol(0);
  g.SetCellAlignment(forms::flexAlignCenterCenter);
  g.SetCellForeColor(YearColor);
  g.SetCellFontBold(true);
  g.SetCellFontSize(20 + 3 * s.ZoomLevel);
  s.OwnRow = FirstMemberRow;
}

void LoadTeamMembers(State& s) {
  s.SqlTeam =
      "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname FROM "
      "tbl_Mitarbeiter "
      "GROUP BY tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname, "
      "tbl_Mitarbeiter.TeamNr "
      "HAVING (((tbl_Mitarbeiter.TeamNr)= " +
      Str(s.CurrentTeam) + ")) ORDER BY tbl_Mitarbeiter.Nachname " + s.SortOrder + ";";
  // A query's recordset holds no change that its closing could fail to save.
  s.RsTeamMembers.Close();
  try {
    s.RsTeamMembers.Open(s.SqlTeam, s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  } catch (const db::Error& e) {
    // The calendar shows the team without members, and the user learns why.
    s.RsTeamMembers.Close();
    if (!s.CalendarGap) s.CalendarGap = e;
  }
}

std::string CalendarGapText(const State& s) {
  return s.CalendarGap ? GapLead(s) + "\r" + FailureMessage(s, *s.CalendarGap) : "";
}

void FillCalendar(CalendarWindows& w, CalendarPass Modus, GapReport report) {
  if (!Cal(w)) return;
  auto& g = *Cal(w);
  // A run of days still being selected belonged to the grid as it was.
  w.s.SelStart.reset();
  w.s.CalendarGap.reset();
  g.SetRedraw(false);
  ClearMemberCells(g);
  switch (Modus) {
    case CalendarPass::Team:
      LoadTeamMembers(w.s);
      TeamPass(w, g);
      break;
    case CalendarPass::Monat:
      // Members a failed reading left out (another program held the file) are read again.
      if (!w.s.RsTeamMembers.IsOpen()) {
        LoadTeamMembers(w.s);
        TeamPass(w, g);
      }
      MonthPass(w, g);
      break;
  }
  LoadCalendarEntries(w);
  g.SetRedraw(true);
  if (!w.s.CalendarGap) return;
  if (report == GapReport::Caller) {
    TakeFailure(w.s, *w.s.CalendarGap);
  } else {
    ShowFailure(w.s, *w.s.CalendarGap, GapLead(w.s));
  }
}

void ApplyZoom(CalendarWindows& w) {
  const State& s = w.s;
  if (!Cal(w)) return;
  auto& g = *Cal(w);
  g.SetRedraw(false);
  g.SetRowHeightMin(DayWidth(s));
  const int size = 8 + 2 * s.ZoomLevel;
  g.SetFontSize(size);
  for (int c = 0; c <= LastDayCol; ++c) {
    for (int r = 0; r < g.Rows(); ++r) {
      g.SetRow(r);
      g.SetCol(c);
      g.SetCellFontSize(size);
    }
  }
  g.SetRow(3);
  g.SetCol(0);
  g.SetCellFontSize(20 + 3 * s.ZoomLevel);
  for (int c = 1; c <= LastDayCol; ++c) g.SetColWidth(c, DayWidth(s));
  g.SetRedraw(true);
}

}  // namespace mv
