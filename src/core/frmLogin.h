#pragma once
// The login window: login name and password checked against the logins of the database.
#include "core/State.h"
#include "forms/Forms.h"

namespace mv {

class frmLogin : public forms::Form {
 public:
  explicit frmLogin(State& s);

  forms::Label Label1{*this, "Label1"};
  forms::TextBox txtID{*this, "txtID"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox txtPW{*this, "txtPW"};
  forms::CommandButton cmdOK{*this, "cmdOK"};
  forms::CommandButton cmdCancel{*this, "cmdCancel"};

  void cmdOK_Click();
  void cmdCancel_Click();

 protected:
  void Form_Load() override;

 private:
  State& s_;
};

}  // namespace mv
