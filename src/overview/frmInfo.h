#pragma once
// The about box: the program's name with a dark outline, four lines about it, the version and a
// picture. Built at each opening and discarded at closing, so it follows the current language.
#include "forms/Forms.h"
#include "overview/OverviewWindows.h"

namespace mv {

class frmInfo : public forms::Form {
 public:
  explicit frmInfo(OverviewWindows& windows);

  forms::Image Image1{*this, "Image1"};
  // Behind the title, one step up, left, right and down.
  forms::ControlArray<forms::Label> lblShadow{*this, "lblShadow", 0, 3};
  forms::Label lblTitle{*this, "lblTitle"};
  forms::Label lblInfo1{*this, "lblInfo1"};
  forms::Label lblInfo2{*this, "lblInfo2"};
  forms::Label lblInfo3{*this, "lblInfo3"};
  forms::Label lblInfo4{*this, "lblInfo4"};
  forms::Label lblVersion{*this, "lblVersion"};
  forms::CommandButton cmd_Close{*this, "cmd_Close"};

  void cmd_Close_Click();

 protected:
  void Form_Load() override;

 private:
  void LayOut();

  OverviewWindows& w_;
  State& s_;
};

// The main window's menu entry About: disables the main window and shows the about box.
void OpenAbout(OverviewWindows& windows);

}  // namespace mv
