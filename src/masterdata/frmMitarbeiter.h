#pragma once
// The employee card: one employee of tbl_Mitarbeiter at a time, record navigation, the search with
// its result list beside the card, new, save and delete, and the way to the login data. It exists
// hidden from the main window's first set-up on, which fills its team list and sets its tooltips.
// Save and Delete act on the employee the fields show, found by his personnel number, wherever
// RsMitarbeiter stands.
#include <optional>
#include <string>
#include <vector>

#include "db/Error.h"
#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmMitarbeiter : public forms::Form {
 public:
  explicit frmMitarbeiter(MasterDataWindows& windows);

  forms::Frame fm_Mitarbeiter{*this, "fm_Mitarbeiter"};
  forms::Label lbl_LfdNr{*this, "lbl_LfdNr", fm_Mitarbeiter};
  forms::TextBox txt_LfdNr{*this, "txt_LfdNr", fm_Mitarbeiter};
  forms::Label lbl_PersNr{*this, "lbl_PersNr", fm_Mitarbeiter};
  forms::TextBox txt_PersNr{*this, "txt_PersNr", fm_Mitarbeiter};
  forms::Label lbl_Nachname{*this, "lbl_Nachname", fm_Mitarbeiter};
  forms::TextBox txt_Nachname{*this, "txt_Nachname", fm_Mitarbeiter};
  forms::Label lbl_Vorname{*this, "lbl_Vorname", fm_Mitarbeiter};
  forms::TextBox txt_Vorname{*this, "txt_Vorname", fm_Mitarbeiter};
  forms::Label lbl_Telefon{*this, "lbl_Telefon", fm_Mitarbeiter};
  forms::TextBox txt_Telefon{*this, "txt_Telefon", fm_Mitarbeiter};
  forms::Label lbl_Mail{*this, "lbl_Mail", fm_Mitarbeiter};
  forms::TextBox txt_Mail{*this, "txt_Mail", fm_Mitarbeiter};
  forms::Label lbl_Team{*this, "lbl_Team", fm_Mitarbeiter};
  forms::ComboBox cmb_Team{*this, "cmb_Team", fm_Mitarbeiter};
  forms::Label lbl_UTage{*this, "lbl_UTage", fm_Mitarbeiter};
  forms::TextBox txt_UTage{*this, "txt_UTage", fm_Mitarbeiter};

  forms::CommandButton cmd_FirstRS{*this, "cmd_FirstRS"};
  forms::CommandButton cmd_PreviousRS{*this, "cmd_PreviousRS"};
  forms::CommandButton cmd_Search{*this, "cmd_Search"};
  forms::CommandButton cmd_NextRS{*this, "cmd_NextRS"};
  forms::CommandButton cmd_LastRS{*this, "cmd_LastRS"};
  forms::CommandButton cmd_Neu{*this, "cmd_Neu"};
  forms::CommandButton cmd_Save{*this, "cmd_Save"};
  forms::CommandButton cmd_Delete{*this, "cmd_Delete"};
  forms::CommandButton cmd_Login{*this, "cmd_Login"};
  forms::CommandButton cmd_Close{*this, "cmd_Close"};

  // The result list, in the width the card gains while it is shown
  forms::Label lbl_ErgAnzahl{*this, "lbl_ErgAnzahl"};
  forms::ListBox lst_Results{*this, "lst_Results"};
  forms::CommandButton cmd_CloseList{*this, "cmd_CloseList"};

  // frmKalender.mnuKartei_Click: the main window disabled, the card prepared for the user's group
  // and shown; its activation shows CurrentPersNr.
  void Open();

  // The team list refilled, without a selected entry.
  void ShowTeams(const std::vector<std::string>& names);
  // Tooltips of the navigation and search buttons in the current language.
  void SetToolTips();

  // The current row of RsMitarbeiter into the fields (empty fields when there is none); that
  // employee becomes the current one. Throws db::Error when the row cannot be read.
  void ShowRecord();
  void ShowResultList();
  void HideResultList();

  void cmd_FirstRS_Click();
  void cmd_PreviousRS_Click();
  void cmd_NextRS_Click();
  void cmd_LastRS_Click();
  void cmd_Search_Click();
  void lst_Results_Click();
  void cmd_CloseList_Click();
  void cmd_Close_Click();
  void cmd_Neu_Click();
  void cmd_Save_Click();
  void cmd_Delete_Click();
  void cmd_Login_Click();
  void cmb_Team_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void LayOut();
  void WireEvents();
  void SetCaptions();
  void SetFieldColor(forms::Color color);
  void SetBrowsingEnabled(bool enabled);
  void SetResultListShown(bool shown);
  bool HasRecords() const;
  // Moves RsMitarbeiter to the employee; false when it holds no row of his.
  bool MoveTo(long persNr);
  void Navigate(void (db::Recordset::*move)(), int statusText);
  void SetStatus(const std::string& text);
  bool IsNewRecord() const;
  // Colours, number field and buttons as for a stored record.
  void EndNewRecord();
  std::optional<std::string> SaveRefusal(bool isNew);
  // Whether Save would add the employee to a team that has no room left.
  bool JoinsFullTeam(bool isNew);
  // The fields, once they passed SaveRefusal, into the current row of RsMitarbeiter, stored with
  // Update; a stored employee's number is never written.
  void WriteRecord(bool isNew);
  void FinishNewRecord();
  bool IsLoggedInAs(long persNr);
  void ShowFailure(const db::Error& failure);

  // The fields' text colour, green while a new record is entered.
  static constexpr forms::Color Yellow = 0x00FFFF;
  static constexpr forms::Color Green = 0x00FF00;
  // The card's width without and with the result list.
  static constexpr int NarrowWidth = 6465;
  static constexpr int WideWidth = 10155;

  MasterDataWindows& w_;
  State& s_;
  bool RecordShown = false;    // false while the fields are filled: no size check then
  std::optional<long> shown_;  // the employee the fields show
  std::string searchTerm_;     // the term whose matches the result list shows
  std::vector<long> listed_;   // personnel numbers of the result list's entries
};

}  // namespace mv
