#pragma once
// The login window: login name and password checked against tbl_User. It is the first
// window of the program and comes back after every log-out. No close box: OK and Abbruch are its
// ways out.
#include "core/CoreWindows.h"
#include "core/State.h"
#include "forms/Forms.h"

namespace mv {

class frmLogin : public forms::Form {
 public:
  explicit frmLogin(CoreWindows& windows);

  forms::Label Label1{*this, "Label1"};
  forms::TextBox txtID{*this, "txtID"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox txtPW{*this, "txtPW"};
  forms::CommandButton cmdOK{*this, "cmdOK"};
  forms::CommandButton cmdCancel{*this, "cmdCancel"};

  // The login attempt; also run by Enter in the password box.
  void cmdOK_Click();
  // Ends the program.
  void cmdCancel_Click();
  // Enter (13) submits; other keys are typed as usual.
  void txtPW_KeyPress(int& KeyAscii);
  void txtID_GotFocus();
  void txtID_LostFocus();
  void txtPW_GotFocus();
  void txtPW_LostFocus();

 protected:
  // Opens RsUser, sets the captions and the password masking, shows the window.
  void Form_Load() override;

 private:
  void LayOut();
  void WireEvents();
  // Text 136, both boxes emptied, the focus into txtID.
  void LoginFailed();

  CoreWindows& w_;
  State& s_;
};

}  // namespace mv
