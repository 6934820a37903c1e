#include "masterdata/frmMitarbeiter.h"

namespace mv {

namespace {

constexpr forms::Color FieldBack = 0x008000;  // dark green
constexpr int RowStep = 390;

void Field(forms::Label& label, forms::Control& field, int row) {
  const int top = 300 + row * RowStep;
  label.Move(240, top + 30, 2175, 255);
  label.SetBackStyle(0);
  field.Move(2520, top, 3375, 315);
  field.SetBackColor(FieldBack);
}

void Navigation(forms::CommandButton& b, const char* caption, int left) {
  b.Move(left, 3720, 540, 375);
  b.SetCaption(caption);
  b.SetFontName("Courier New");
  b.SetFontBold(true);
}

}  // namespace

void frmMitarbeiter::LayOut() {
  SetBorderStyle(1);
  SetMaxButton(false);
  Move(1200, 900, NarrowWidth, 5700);

  fm_Mitarbeiter.Move(120, 60, 6135, 3525);
  Field(lbl_LfdNr, txt_LfdNr, 0);
  Field(lbl_PersNr, txt_PersNr, 1);
  Field(lbl_Nachname, txt_Nachname, 2);
  Field(lbl_Vorname, txt_Vorname, 3);
  Field(lbl_Telefon, txt_Telefon, 4);
  Field(lbl_Mail, txt_Mail, 5);
  Field(lbl_Team, cmb_Team, 6);
  Field(lbl_UTage, txt_UTage, 7);
  txt_LfdNr.SetEnabled(false);
  txt_Nachname.SetMaxLength(20);
  txt_Vorname.SetMaxLength(20);
  txt_Telefon.SetMaxLength(15);
  txt_Mail.SetMaxLength(20);
  cmb_Team.SetStyle(forms::vbComboDropdownList);

  Navigation(cmd_FirstRS, "|<", 120);
  Navigation(cmd_PreviousRS, "<<", 720);
  Navigation(cmd_Search, "?", 1320);
  Navigation(cmd_NextRS, ">>", 1920);
  Navigation(cmd_LastRS, ">|", 2520);

  cmd_Neu.Move(120, 4200, 1995, 375);
  cmd_Save.Move(2190, 4200, 1995, 375);
  cmd_Delete.Move(4260, 4200, 1995, 375);
  cmd_Login.Move(120, 4680, 3030, 375);
  cmd_Close.Move(3225, 4680, 3030, 375);
  cmd_Close.SetCancel(true);

  lbl_ErgAnzahl.Move(6480, 120, 3435, 255);
  lbl_ErgAnzahl.SetBackStyle(0);
  lst_Results.Move(6480, 420, 3435, 3675);
  cmd_CloseList.Move(6480, 4200, 3435, 375);
}

}  // namespace mv
