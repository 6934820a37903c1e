#pragma once
// The login data dialog: login name, password and group of one employee's row of tbl_User. OK
// stores the row that carries the login name in the box (a new one when none does) for the current
// employee; it has no close box. While it is shown the employee card is disabled.
#include <string>

#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmBenutzer : public forms::Form {
 public:
  explicit frmBenutzer(MasterDataWindows& windows);

  forms::Label lbl_LoginID{*this, "lbl_LoginID"};
  forms::TextBox txt_LoginID{*this, "txt_LoginID"};
  forms::Label lbl_Passwort{*this, "lbl_Passwort"};
  forms::TextBox txt_Passwort{*this, "txt_Passwort"};
  forms::Label lbl_Gruppe{*this, "lbl_Gruppe"};
  forms::ComboBox cmb_Gruppe{*this, "cmb_Gruppe"};
  forms::CommandButton cmd_OK{*this, "cmd_OK"};
  forms::CommandButton cmd_Abort{*this, "cmd_Abort"};

  // The login of CurrentPersNr, or for a back-office user always his own, whose employee then
  // becomes the current one; empty fields, for OK to create the row, when there is none.
  void ShowCurrentLogin();
  // A new employee's initial login: only OK leads out.
  void ShowInitialLogin(const std::string& loginId, const std::string& password);

  void cmd_OK_Click();
  void cmd_Abort_Click();

 protected:
  void Form_Activate() override;

 private:
  void LayOut();
  void ShowLogin(const std::string& loginId, const std::string& password, int group,
                 bool abortable);
  void StoreLogin();

  MasterDataWindows& w_;
  State& s_;
  int storedGroup_ = GroupEmployee;  // the shown login's group, which the list opens on
};

}  // namespace mv
