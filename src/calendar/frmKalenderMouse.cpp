#include <algorithm>
#include <optional>
#include <string>

#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"
#include "core/FailureReport.h"
#include "db/Db.h"

namespace mv {

namespace {

constexpr int FirstMemberRow = 4;

bool HasMembers(State& s) { return s.RsTeamMembers.IsOpen() && s.RsTeamMembers.RecordCount() > 0; }

// The employee of a grid row; over a header row the first member. Nothing past the last member.
std::optional<long> MemberAt(State& s, int row) {
  if (!HasMembers(s)) return std::nullopt;
  const int index = std::max(row - FirstMemberRow, 0);
  s.RsTeamMembers.MoveFirst();
  for (int i = 0; i < index && !s.RsTeamMembers.EOF(); ++i) s.RsTeamMembers.MoveNext();
  if (s.RsTeamMembers.EOF()) return std::nullopt;
  return s.RsTeamMembers["PersNr"].Int();
}

long NoteAt(const State& s, int row, int col) {
  if (row < 0 || row >= static_cast<int>(s.CellNotes.size()) || col < 0 ||
      col >= static_cast<int>(s.CellNotes[0].size()))
    return 0;
  return s.CellNotes[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

// The catalogue's text of a note number; nothing when the number has no row.
std::optional<std::string> NoteText(State& s, long nr) {
  s.RsNotizen.Open("tbl_Notizen", s.Conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
  s.RsNotizen.Find("LfdNr=" + std::to_string(nr));
  std::optional<std::string> text;
  if (!s.RsNotizen.EOF()) text = s.RsNotizen["Text"].Text();
  s.RsNotizen.Close();
  return text;
}

void ShowNote(frmKalender& k, State& s) {
  const long nr = NoteAt(s, k.grdCal.MouseRow(), k.grdCal.MouseCol());
  if (nr < 1) {
    k.lbl_Note.SetCaption("");
    return;
  }
  const BriefWait brief(s.Conn);
  try {
    if (const auto text = NoteText(s, nr)) k.lbl_Note.SetCaption(*text);
  } catch (const db::Error&) {
    // Only the pointer moved: no note rather than another cell's, and nothing to tell.
    k.lbl_Note.SetCaption("");
  }
}

// Groups 1 and 2: the employee under the pointer becomes the current one, with the info panel's
// figures and the bold name.
void FollowPointer(frmKalender& k, State& s) {
  forms::Grid& g = k.grdCal;
  const int row = g.MouseRow();
  const auto persNr = MemberAt(s, row);
  if (!persNr) return;
  s.CurrentPersNr = *persNr;
  k.FollowInfo();
  if (row < FirstMemberRow || row == s.HoverRow) return;
  g.SetCol(0);
  for (int r = FirstMemberRow; r < g.Rows(); ++r) {
    g.SetRow(r);
    g.SetCellFontBold(r == row);
  }
  s.HoverRow = row;
}

void Publish(State& s, const DaySelection& selection) {
  s.SelStart = selection.First();
  s.SelEndCol = selection.Last();
}

void CancelSelection(State& s, DaySelection& selection) {
  selection.Cancel();
  s.SelStart.reset();
}

}  // namespace

// A run whose SelStart a rebuild reset is over: its cells are repainted already.
bool frmKalender::SelectionUnderWay() {
  if (!s_.SelStart) selection_.Forget();
  return selection_.Active();
}

// Another window opening ends a run: its release may never reach this window (a shortcut pressed
// with the button held), and what the rows show may change meanwhile.
void frmKalender::Form_Deactivate() {
  if (SelectionUnderWay()) CancelSelection(s_, selection_);
}

void frmKalender::grdCal_DblClick() {
  if (!HasMembers(s_) || grdCal.MouseRow() < FirstMemberRow) return;
  if (s_.UserGroup != GroupEmployee && !SelectionUnderWay()) FollowPointer(*this, s_);
  mnuKartei_Click();
}

// Only a left press on a shown day of a row the user may edit anchors a run; any other press
// would leave an anchor that no drag paints and a later release would apply.
void frmKalender::grdCal_MouseDown(int Button, int, float, float) {
  if (!HasMembers(s_) || Button != forms::vbLeftButton || SelectionUnderWay()) return;
  const int row = grdCal.MouseRow();
  const int col = grdCal.MouseCol();
  if (row < FirstMemberRow || col < 1 || grdCal.ColWidth(col) < 1) return;
  int selectionRow = row;
  if (s_.UserGroup == GroupEmployee) {
    if (s_.CurrentTeam != s_.UserTeam || !ShowsOwnName(s_, grdCal, s_.OwnRow)) return;
    selectionRow = s_.OwnRow;
  } else {
    FollowPointer(*this, s_);
    if (s_.HoverRow != row) return;
  }
  selection_.Begin(selectionRow, col);
  Publish(s_, selection_);
}

void frmKalender::grdCal_MouseMove(int Button, int, float, float) {
  if (Button == forms::vbLeftButton) {
    grdCal_SelChange();
    return;
  }
  grdCal.SetToolTipText(grdCal.MouseCol() == 0 ? s_.T(174) : "");
  if (SelectionUnderWay()) return;
  ShowNote(*this, s_);
  if (s_.UserGroup == GroupEmployee) return;
  FollowPointer(*this, s_);
}

void frmKalender::grdCal_MouseUp(int Button, int, float, float) {
  if (!HasMembers(s_)) return;
  const int row = grdCal.MouseRow();
  const int col = grdCal.MouseCol();
  if (row >= FirstMemberRow && col == 0 && Button == forms::vbRightButton) {
    if (SelectionUnderWay()) CancelSelection(s_, selection_);
    s_.SortOrder = s_.SortOrder == "ASC" ? "DESC" : "ASC";
    FillCalendar(w_, CalendarPass::Team);
    return;
  }
  if (Button != forms::vbLeftButton || !SelectionUnderWay()) return;
  const bool mayEdit = s_.UserGroup != GroupEmployee || s_.UserTeam == s_.CurrentTeam;
  if (row < FirstMemberRow || col == 0 || !mayEdit) {
    CancelSelection(s_, selection_);
    return;
  }
  selection_.Forget();
  ApplyModeToSelection();
}

void frmKalender::grdCal_SelChange() {
  const int col = grdCal.MouseCol();
  if (!HasMembers(s_) || grdCal.MouseRow() < FirstMemberRow || col < 1) return;
  if (!SelectionUnderWay()) return;
  if (s_.UserGroup == GroupEmployee && s_.CurrentTeam != s_.UserTeam) return;
  if (grdCal.ColWidth(col) < 1) return;
  selection_.Reach(col);
  Publish(s_, selection_);
}

}  // namespace mv
