#pragma once
// The options dialog: password masking, the weekend and holiday marks with their colours, the
// dependency notices, the calendar font, the database path and the language, which switches at
// once. Closing stores the settings in settings.dat and redraws the month calendar.
#include <optional>
#include <string>

#include "forms/Forms.h"
#include "overview/OverviewWindows.h"

namespace mv {

class frmOptionen : public forms::Form {
 public:
  explicit frmOptionen(OverviewWindows& windows);

  forms::CheckBox chk_PWWildcards{*this, "chk_PWWildcards"};
  forms::CheckBox chk_ShowWeekend{*this, "chk_ShowWeekend"};
  forms::CheckBox chk_ShowHolidays{*this, "chk_ShowHolidays"};
  forms::CheckBox chk_ShowDeps{*this, "chk_ShowDeps"};
  forms::ControlArray<forms::CommandButton> cmd_Color{*this, "cmd_Color", 0, 1};
  forms::Label lbl_Font{*this, "lbl_Font"};
  forms::CommandButton cmd_Font{*this, "cmd_Font"};
  forms::Label lbl_Path{*this, "lbl_Path"};
  forms::TextBox txt_Path{*this, "txt_Path"};
  forms::Label lbl_Lang{*this, "lbl_Lang"};
  forms::Image imgDeutsch{*this, "imgDeutsch"};
  forms::Image imgEnglish{*this, "imgEnglish"};
  forms::CommandButton cmd_Close{*this, "cmd_Close"};

  // Disables the main window, sets every control from the settings in the current language and
  // the rights of the user's group, and shows the dialog.
  void SetUpAndShow();

  void cmd_Close_Click();
  void cmd_Color_Click(int Index);
  void cmd_Font_Click();
  void imgDeutsch_Click();
  void imgEnglish_Click();
  void txt_Path_DblClick();

 protected:
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void LayOut();
  void SetCaptions();
  void SwitchLanguage(int language);
  // The path settings.dat is to keep: the configured one, also after a fallback at start-up, and
  // where none is configured the database open now.
  std::string StoredPath() const;
  // A path typed or chosen as the next start will open it, or nothing after a message saying why
  // it cannot be stored.
  std::optional<std::string> PathToStore(const std::string& chosen);

  OverviewWindows& w_;
  State& s_;
};

// The main window's menu entry Options.
void OpenOptions(OverviewWindows& windows);

}  // namespace mv
