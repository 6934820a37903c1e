#pragma once
// The dependency editor: the colleagues each employee's work depends on. The grid lists the rows
// of tbl_Abhängigkeiten (the employee, then up to three dependents); the column buttons under it
// open a pop-up menu that adds an employee, sets or removes a dependent or removes a whole row,
// and employees are picked by a double click in the result panel to the right.
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/Recordset.h"
#include "forms/Forms.h"
#include "masterdata/EmployeeSearch.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmBeziehungen : public forms::Form {
 public:
  explicit frmBeziehungen(MasterDataWindows& windows);

  forms::Grid grdDep{*this, "grdDep"};
  forms::CommandButton cmd_MA{*this, "cmd_MA"};
  forms::CommandButton cmd_AbhMA1{*this, "cmd_AbhMA1"};
  forms::CommandButton cmd_AbhMA2{*this, "cmd_AbhMA2"};
  forms::CommandButton cmd_AbhMA3{*this, "cmd_AbhMA3"};
  forms::CommandButton cmd_Close{*this, "cmd_Close"};

  // Result panel
  forms::Label lbl_Results{*this, "lbl_Results"};
  forms::ListBox lst_Results{*this, "lst_Results"};
  forms::CommandButton cmd_Filter{*this, "cmd_Filter"};
  forms::CommandButton cmd_CloseList{*this, "cmd_CloseList"};
  forms::CommandButton cmd_ShowAll{*this, "cmd_ShowAll"};

  // Pop-up menu of the column buttons
  forms::Menu mnuOptions{*this, "mnuOptions"};
  forms::Menu mnuSelect{*this, "mnuSelect", mnuOptions};
  forms::Menu mnuAdd{*this, "mnuAdd", mnuOptions};
  forms::Menu mnuDelete{*this, "mnuDelete", mnuOptions};

  // The main window's menu entry: disables the main window and shows this one with its panel
  // closed, in the current language.
  void Open();

  void FillDependencyGrid();
  // "Nachname, Vorname", a line break and the number; "" when no employee has the number.
  std::string GetEmployeeName(long persNr) const;
  void ShowEmployeeList();

  void grdDep_Click();
  void cmd_MA_Click();
  void cmd_AbhMA_Click(int slot);
  void mnuAdd_Click();
  void mnuSelect_Click();
  void mnuDelete_Click();
  void cmd_ShowAll_Click();
  void cmd_Filter_Click();
  void lst_Results_DblClick();
  void cmd_CloseList_Click();
  void cmd_Close_Click();

 protected:
  void Form_Activate() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void LayOut();
  void WireEvents();
  void ShowPanel(bool open);
  void ListEmployees(const std::vector<FoundEmployee>& found);
  void ChooseColumn(int column);
  void ClearRowSelection();
  void CloseWindow();

  MasterDataWindows& w_;
  State& s_;
  db::Recordset shown_;                          // the rows the grid lines show, in table order
  std::unordered_map<long, std::string> names_;  // "Nachname, Vorname" by PersNr, per fill
  std::optional<int> selectedLine_;              // the line last clicked, until the next fill
  int chosenColumn_ = 1;                         // 0 the employee, 1 to 3 a dependent
  std::string searchTerm_;                       // the search the list shows, "" none
};

}  // namespace mv
