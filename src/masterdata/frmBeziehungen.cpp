#include "masterdata/frmBeziehungen.h"

#include <initializer_list>
#include <vector>

#include "calendar/frmKalender.h"
#include "core/FailureMessage.h"
#include "db/Db.h"
#include "masterdata/DependencyRows.h"
#include "masterdata/EmployeeSearch.h"

namespace mv {

namespace {

constexpr int ClosedWidth = 8655;
constexpr int OpenWidth = 11655;

// "Erster abhängiger", a line break, "Mitarbeiter".
std::string DependentCaption(const State& s, int slot) { return s.T(89 + slot) + "\r" + s.T(67); }

// The check of absences reads only numbers above 0 as dependents; 0 is an empty slot.
bool CanBeDependent(long persNr) { return persNr > 0; }

std::string NotADependent(const State& s) {
  if (s.Language() == LanguageEnglish)
    return "Only an employee whose personnel number is above 0 can be chosen as a dependent "
           "employee. Nothing was written.";
  return "Als abhängiger Mitarbeiter kann nur ein Mitarbeiter mit einer Personalnummer über 0 "
         "gewählt werden. Es wurde nichts geschrieben.";
}

}  // namespace

frmBeziehungen::frmBeziehungen(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmBeziehungen"), w_(windows), s_(windows.s) {
  LayOut();
  WireEvents();
}

void frmBeziehungen::Open() {
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) main->SetEnabled(false);
  grdDep.SetTextMatrix(0, 0, s_.T(67));
  for (int k = 1; k <= 3; ++k) {
    grdDep.SetColWidth(k, 1920);
    grdDep.SetRow(0);
    grdDep.SetCol(k);
    grdDep.SetCellAlignment(forms::flexAlignCenterCenter);
    grdDep.SetCellFontBold(true);
    grdDep.SetCellForeColor(forms::vbBlue);
    grdDep.SetTextMatrix(0, k, DependentCaption(s_, k));
  }
  cmd_CloseList_Click();
  SetCaption(s_.T(97));
  grdDep.SetCol(1);
  grdDep.SetColSel(3);
  cmd_CloseList.SetCaption(s_.T(85));
  cmd_Filter.SetCaption(s_.T(93));
  cmd_ShowAll.SetCaption(s_.T(94));
  cmd_Close.SetCaption(s_.T(TxtCloseWindow));
  cmd_MA.SetCaption(s_.T(67));
  cmd_AbhMA1.SetCaption(DependentCaption(s_, 1));
  cmd_AbhMA2.SetCaption(DependentCaption(s_, 2));
  cmd_AbhMA3.SetCaption(DependentCaption(s_, 3));
  mnuAdd.SetCaption(s_.T(161));
  mnuSelect.SetCaption(s_.T(160));
  mnuDelete.SetCaption(s_.T(162));
  ClearRowSelection();
  Show();
}

void frmBeziehungen::Form_Activate() { FillDependencyGrid(); }

void frmBeziehungen::FillDependencyGrid() {
  ClearRowSelection();
  grdDep.SetRedraw(false);
  grdDep.SetRows(1);
  std::string failure;
  try {
    shown_.Close();
    shown_.Open("tbl_Abhängigkeiten", s_.Conn, db::CursorType::Static, db::LockType::Pessimistic);
    names_.clear();
    for (const FoundEmployee& e : SearchEmployee(s_.Conn, "")) names_[e.PersNr] = e.ListEntry();
    grdDep.SetRows(static_cast<int>(shown_.RecordCount()) + 1);
    int line = 1;
    for (shown_.MoveFirst(); !shown_.EOF(); shown_.MoveNext(), ++line) {
      grdDep.SetTextMatrix(line, 0, GetEmployeeName(shown_["PersNr"].Int()));
      for (int k = 1; k <= 3; ++k) {
        const long dependent = shown_["AbhPersNr" + std::to_string(k)].Int();
        grdDep.SetTextMatrix(line, k, CanBeDependent(dependent) ? GetEmployeeName(dependent) : "");
      }
    }
  } catch (const db::Error& e) {
    failure = FailureMessage(s_, e);
  }
  grdDep.SetRedraw(true);
  if (!failure.empty()) MsgBox(failure);
}

std::string frmBeziehungen::GetEmployeeName(long persNr) const {
  const auto name = names_.find(persNr);
  return name == names_.end() ? "" : name->second + "\r" + std::to_string(persNr);
}

void frmBeziehungen::grdDep_Click() {
  const int line = grdDep.MouseRow();
  if (line == 0 || grdDep.Rows() < 2) return;
  grdDep.SetHighLight(forms::flexHighlightAlways);
  if (selectedLine_) {
    grdDep.SetRow(*selectedLine_);
    grdDep.SetCol(0);
    grdDep.SetCellFontBold(false);
  }
  grdDep.SetRow(line);
  grdDep.SetCol(0);
  grdDep.SetCellFontBold(true);
  selectedLine_ = line;
  grdDep.SetCol(1);
  grdDep.SetColSel(3);
  for (forms::Control* c : {&cmd_AbhMA1, &cmd_AbhMA2, &cmd_AbhMA3}) c->SetEnabled(true);
  mnuDelete.SetEnabled(true);
}

// A rebuilt grid has no chosen line: nothing can act on a line the user did not pick.
void frmBeziehungen::ClearRowSelection() {
  selectedLine_.reset();
  for (forms::Control* c : {&cmd_AbhMA1, &cmd_AbhMA2, &cmd_AbhMA3}) c->SetEnabled(false);
  mnuDelete.SetEnabled(false);
}

void frmBeziehungen::cmd_MA_Click() {
  mnuAdd.SetEnabled(true);
  mnuSelect.SetEnabled(false);
  ChooseColumn(0);
}

void frmBeziehungen::cmd_AbhMA_Click(int slot) {
  mnuAdd.SetEnabled(false);
  mnuSelect.SetEnabled(true);
  ChooseColumn(slot);
}

void frmBeziehungen::ChooseColumn(int column) {
  chosenColumn_ = column;
  grdDep.SetCol(column);
  PopupMenu(mnuOptions);
}

void frmBeziehungen::mnuAdd_Click() { ShowEmployeeList(); }
void frmBeziehungen::mnuSelect_Click() { ShowEmployeeList(); }
void frmBeziehungen::cmd_ShowAll_Click() { ShowEmployeeList(); }

void frmBeziehungen::ShowEmployeeList() {
  searchTerm_.clear();
  try {
    ListEmployees(SearchEmployee(s_.Conn, ""));
  } catch (const db::Error& e) {
    lst_Results.Clear();
    MsgBox(FailureMessage(s_, e));
  }
  ShowPanel(true);
}

// A cancelled or empty term keeps the search in force, as the list shows it.
void frmBeziehungen::cmd_Filter_Click() {
  const std::string typed = AskSearchTerm(s_);
  const std::string term = typed.empty() ? searchTerm_ : typed;
  try {
    const std::vector<FoundEmployee> found = SearchEmployee(s_.Conn, term);
    if (found.empty()) {
      MsgBox(s_.T(143), forms::vbOKOnly);
      searchTerm_.clear();
      return;
    }
    ListEmployees(found);
    searchTerm_ = term;
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e));
  }
}

// Each entry carries the personnel number of the employee it shows.
void frmBeziehungen::ListEmployees(const std::vector<FoundEmployee>& found) {
  lst_Results.Clear();
  for (const FoundEmployee& e : found) {
    lst_Results.AddItem(e.ListEntry());
    lst_Results.SetItemData(lst_Results.NewIndex(), e.PersNr);
  }
  lbl_Results.SetCaption(std::to_string(found.size()) + s_.T(84));
}

void frmBeziehungen::lst_Results_DblClick() {
  const int index = lst_Results.ListIndex();
  if (index < 0) return;
  const long picked = lst_Results.ItemData(index);
  try {
    if (chosenColumn_ == 0) {
      if (!AddDependencyRow(s_.Conn, picked)) MsgBox(s_.T(144), forms::vbOKOnly);
    } else if (!CanBeDependent(picked)) {
      MsgBox(NotADependent(s_), forms::vbOKOnly);
    } else if (selectedLine_) {
      SetDependent(shown_, *selectedLine_, chosenColumn_, picked);
    }
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e));
  }
  cmd_CloseList_Click();
  FillDependencyGrid();
}

void frmBeziehungen::cmd_CloseList_Click() {
  searchTerm_.clear();
  ShowPanel(false);
  grdDep.SetHighLight(forms::flexHighlightNever);
}

// The grid and the employee button take input only while the panel is closed; the dependent
// buttons wait for the next click on a line.
void frmBeziehungen::ShowPanel(bool open) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &lbl_Results, &lst_Results, &cmd_Filter, &cmd_CloseList, &cmd_ShowAll})
    c->SetVisible(open);
  grdDep.SetEnabled(!open);
  cmd_MA.SetEnabled(!open);
  if (open)
    for (forms::Control* c : {&cmd_AbhMA1, &cmd_AbhMA2, &cmd_AbhMA3}) c->SetEnabled(false);
  SetWidth(open ? OpenWidth : ClosedWidth);
}

void frmBeziehungen::mnuDelete_Click() {
  if (grdDep.Rows() < 2 || !selectedLine_) return;
  if (MsgBox(s_.T(chosenColumn_ == 0 ? 96 : 95), forms::vbYesNo) == forms::vbYes) {
    try {
      if (chosenColumn_ == 0)
        DeleteDependencyRow(shown_, *selectedLine_);
      else
        SetDependent(shown_, *selectedLine_, chosenColumn_, 0);
    } catch (const db::Error& e) {
      MsgBox(FailureMessage(s_, e));
    }
  }
  FillDependencyGrid();
}

void frmBeziehungen::cmd_Close_Click() { CloseWindow(); }

void frmBeziehungen::Form_QueryUnload(int&, int) { CloseWindow(); }

void frmBeziehungen::CloseWindow() {
  Hide();
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) {
    main->SetEnabled(true);
    main->Show();
  }
}

}  // namespace mv
