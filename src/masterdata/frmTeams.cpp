#include "masterdata/frmTeams.h"

#include <algorithm>
#include <string>

#include "calendar/TeamLists.h"
#include "calendar/frmKalender.h"
#include "core/FailureMessage.h"
#include "db/Db.h"
#include "masterdata/frmBearbeitenTeam.h"

namespace mv {

namespace {

constexpr int MaxTeams = 20;
constexpr forms::Color HeadingColor = 0xFF0000;

const char* const MemberSql =
    "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Vorname, tbl_Mitarbeiter.Nachname, "
    "tbl_Mitarbeiter.TeamNr FROM tbl_Mitarbeiter WHERE tbl_Mitarbeiter.TeamNr = ";

// The current cell as a heading: centred, bold, blue.
void Heading(forms::Grid& g, int row, int col, const std::string& text) {
  g.SetRow(row);
  g.SetCol(col);
  g.SetText(text);
  g.SetCellAlignment(forms::flexAlignCenterCenter);
  g.SetCellFontBold(true);
  g.SetCellForeColor(HeadingColor);
}

// Adds rows until the grid holds `members` member rows, numbering each new one.
void GrowRows(forms::Grid& g, int members) {
  const int before = g.Rows();
  if (before >= members + 1) return;
  g.SetRows(members + 1);
  for (int r = before; r < g.Rows(); ++r) Heading(g, r, 0, std::to_string(r));
}

}  // namespace

frmTeams::frmTeams(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmTeams"), w_(windows), s_(windows.s) {
  LayOut();
  cmd_New.Click = [this] { cmd_New_Click(); };
  cmd_Edit.Click = [this] { cmd_Edit_Click(); };
  cmd_Delete.Click = [this] { cmd_Delete_Click(); };
  cmd_Move.Click = [this] { cmd_Move_Click(); };
  cmd_Close.Click = [this] { cmd_Close_Click(); };
  grdTeams.Click = [this] { grdTeams_Click(); };
  grdTeams.DblClick = [this] { grdTeams_DblClick(); };
  grdTeams.SelChange = [this] { grdTeams_SelChange(); };
}

void frmTeams::LayOut() {
  Move(900, 600, 12660, 8250);
  grdTeams.Move(120, 120, 12300, 6795);
  grdTeams.SetRows(1);
  grdTeams.SetCols(1);
  grdTeams.SetFixedRows(1);
  grdTeams.SetFixedCols(1);
  grdTeams.SetRowHeightMin(500);
  grdTeams.SetBackColorSel(0x80C0FF);
  grdTeams.SetForeColorSel(0x000000);
  forms::CommandButton* buttons[] = {&cmd_New, &cmd_Edit, &cmd_Delete, &cmd_Move, &cmd_Close};
  for (int i = 0; i < 5; ++i) buttons[i]->Move(120 + i * 2475, 7110, 2325, 495);
  cmd_Close.SetCancel(true);
}

void frmTeams::Form_Activate() {
  TeamGrid_Refresh();
  cmd_Move.SetEnabled(false);
  cmd_Move.SetCaption(s_.T(76));
  cmd_New.SetCaption(s_.T(79));
  cmd_Delete.SetCaption(s_.T(80));
  cmd_Close.SetCaption(s_.T(TxtCloseWindow));
  cmd_Edit.SetCaption(s_.T(98));
  SetCaption(s_.T(77));
}

void frmTeams::TeamGrid_Refresh() {
  forms::Grid& g = grdTeams;
  db::Recordset& teams = s_.RsTeams;
  TeamCellPersNr.Clear();
  g.SetRedraw(false);
  try {
    teams.Close();
    teams.Open("tbl_Teams", s_.Conn, db::CursorType::Static, db::LockType::Pessimistic);
    // Column c shows team c - 1, whatever order the rows are stored in.
    teams.Sort("TeamNr");
    g.SetCols(static_cast<int>(teams.RecordCount()) + 1);
    g.SetColWidth(0, 500);
    g.SetRows(1);
    for (int c = 1; !teams.EOF(); ++c, teams.MoveNext()) {
      Heading(g, 0, c, teams["TeamName"].Text());
      g.SetColWidth(c, 2000);
      db::Recordset members;
      members.Open(MemberSql + std::to_string(teams["TeamNr"].Int()) + ";", s_.Conn,
                   db::CursorType::Static, db::LockType::Pessimistic);
      GrowRows(g, static_cast<int>(members.RecordCount()));
      for (int r = 1; !members.EOF(); ++r, members.MoveNext()) {
        const long persNr = members["PersNr"].Int();
        g.SetTextMatrix(r, c,
                        members["Nachname"].Text() + ", " + members["Vorname"].Text() + "\r" +
                            std::to_string(persNr));
        TeamCellPersNr.Set(r, c, persNr);
      }
    }
    if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) {
      main->lbl_Status.SetCaption(s_.T(124) + std::to_string(teams.RecordCount()) + " / 20");
    }
    teams.Close();
  } catch (const db::Error& e) {
    // The grid keeps what was read; nothing was changed through the recordset.
    teams.Close();
    MsgBox(FailureMessage(s_, e));
  }
  if (g.Rows() > 1 && g.Cols() > 1) {
    g.SetRow(1);
    g.SetCol(1);
  }
  g.SetRedraw(true);
}

std::vector<long> frmTeams::SelectedEmployees() const {
  std::vector<long> persNrs;
  const int last = std::max(grdTeams.Row(), grdTeams.RowSel());
  for (int r = std::min(grdTeams.Row(), grdTeams.RowSel()); r <= last; ++r) {
    const long persNr = TeamCellPersNr.At(r, grdTeams.Col());
    if (persNr != -1) persNrs.push_back(persNr);
  }
  return persNrs;
}

std::vector<std::string> frmTeams::TeamNames() const {
  std::vector<std::string> names;
  for (int c = 1; c < grdTeams.Cols(); ++c) names.push_back(grdTeams.TextMatrix(0, c));
  return names;
}

bool frmTeams::ShowsEmployee(int row, int col) const {
  return row > 0 && col > 0 && !grdTeams.TextMatrix(row, col).empty();
}

void frmTeams::cmd_New_Click() {
  if (grdTeams.Cols() > MaxTeams) {
    MsgBox(s_.T(148), forms::vbOKOnly);
    return;
  }
  OpenDialog(TeamDialogMode::New, {});
}

void frmTeams::cmd_Edit_Click() { OpenDialog(TeamDialogMode::Edit, TeamNames()); }
void frmTeams::cmd_Delete_Click() { OpenDialog(TeamDialogMode::Delete, TeamNames()); }
void frmTeams::cmd_Move_Click() { OpenDialog(TeamDialogMode::Move, TeamNames()); }

// Without a team there is nothing to edit, delete or move to.
void frmTeams::OpenDialog(TeamDialogMode mode, const std::vector<std::string>& teams) {
  if (mode != TeamDialogMode::New && teams.empty()) return;
  SetEnabled(false);
  w_.frmBearbeitenTeam->Open(mode, teams);
}

void frmTeams::cmd_Close_Click() {
  FillTeamCombosOnCurrentTeam(w_.calendar);
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) {
    main->SetEnabled(true);
    main->Show();
  }
  Hide();
}

// A window already closed by its button (then unloaded by code) hands nothing back again.
void frmTeams::Form_QueryUnload(int&, int) {
  if (Visible()) cmd_Close_Click();
}

void frmTeams::grdTeams_Click() {
  const forms::Grid& g = grdTeams;
  cmd_Move.SetEnabled(ShowsEmployee(g.MouseRow(), g.MouseCol()) &&
                      !g.TextMatrix(g.Row(), g.Col()).empty());
}

// A selection never spans two teams: it stays in the column under the mouse.
void frmTeams::grdTeams_SelChange() {
  if (grdTeams.ColSel() != grdTeams.Col()) grdTeams.SetCol(grdTeams.MouseCol());
}

// The card hands control back when it closes, and the activation that follows shows its changes.
void frmTeams::grdTeams_DblClick() {
  const int row = grdTeams.MouseRow();
  const int col = grdTeams.MouseCol();
  if (!ShowsEmployee(row, col)) return;
  s_.CurrentPersNr = TeamCellPersNr.At(row, col);
  SetEnabled(false);
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) main->mnuKartei_Click();
}

void OpenTeams(MasterDataWindows& w) {
  if (frmKalender* main = w.calendar.frmKalender.IfLoaded()) main->SetEnabled(false);
  w.frmTeams->Show();
}

}  // namespace mv
