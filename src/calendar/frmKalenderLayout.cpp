#include "calendar/frmKalender.h"

namespace mv {

namespace {

constexpr forms::Color AccountBack =
    0x503010;  // dark blue: the account's white figures stay readable
constexpr forms::Color AccountText = 0xF0F0F0;
constexpr forms::Color TitleColor = 0x800000;
constexpr forms::Color ShadowColor = 0x808080;

void PlaceLabel(forms::Label& l, int left, int top, int width,
                int alignment = forms::vbLeftJustify) {
  l.Move(left, top, width, 255);
  l.SetAlignment(alignment);
  l.SetBackStyle(0);
}

void Button(forms::CommandButton& b, const char* caption, int left, int top) {
  b.Move(left, top, 375, 345);
  b.SetCaption(caption);
  b.SetFontBold(true);
}

void List(forms::ComboBox& c, int left, int top, int width) {
  c.Move(left, top, width, 315);
  c.SetStyle(forms::vbComboDropdownList);
}

// A title with four shadow copies one step off in each diagonal direction.
template <class Shadows>
void Title(forms::Label& title, Shadows& shadows, int left, int top, int width, forms::Color fore,
           forms::Color shadow, forms::Color back) {
  const int offsets[][2] = {{-15, -15}, {15, -15}, {-15, 15}, {15, 15}};
  shadows.ForEach([&](int i, forms::Label& l) {
    l.Move(left + offsets[i][0], top + offsets[i][1], width, 375);
    l.SetForeColor(shadow);
    l.SetBackColor(back);
    l.SetBackStyle(0);
    l.SetFontSize(12);
    l.SetFontBold(true);
    l.SetAlignment(forms::vbCenter);
  });
  title.Move(left, top, width, 375);
  title.SetForeColor(fore);
  title.SetBackColor(back);
  title.SetBackStyle(0);
  title.SetFontSize(12);
  title.SetFontBold(true);
  title.SetAlignment(forms::vbCenter);
  title.ZOrder(0);
}

void Figure(forms::Label& name, forms::Label& value, int top, forms::Color fore,
            forms::Color back) {
  for (forms::Label* l : {&name, &value}) {
    l->SetForeColor(fore);
    l->SetBackColor(back);
    l->SetBackStyle(1);
    l->SetFontBold(l == &value);
  }
  name.Move(180, top, 1900, 255);
  value.Move(2100, top, 840, 255);
  value.SetAlignment(forms::vbRightJustify);
}

}  // namespace

void frmKalender::LayOut() {
  Move(600, 450, 15500, 9500);
  SetControlBox(false);
  // A window manager's close button still asks before the program ends.
  SetWayOut(mnuTerminate);
  SetBorderStyle(1);

  mnuExtras.SetCaption("Extras");
  const std::pair<forms::Menu*, const char*> shortcuts[] = {
      {&mnuInfo, "Ctrl+I"},     {&mnuLogOut, "Ctrl+L"},         {&mnuTerminate, "Ctrl+Q"},
      {&mnuKartei, "Ctrl+K"},   {&mnuAbhängigkeiten, "Ctrl+A"}, {&mnuTeams, "Ctrl+T"},
      {&mnuNotizen, "Ctrl+N"},  {&mnuFerien, "Ctrl+F"},         {&mnuJahresübersicht, "Ctrl+J"},
      {&mnuOptionen, "Ctrl+E"}, {&mnuDruckAnsicht, "F12"},      {&mnuDruckManager, "Ctrl+D"},
  };
  for (const auto& [menu, keys] : shortcuts) menu->SetShortcut(keys);

  // Header row: team, month back, month, year, month forward, zoom.
  PlaceLabel(Label1, 120, 165, 780, forms::vbRightJustify);
  List(cmbTeamAuswahl, 960, 120, 2700);
  PlaceLabel(Label2, 3780, 165, 780, forms::vbRightJustify);
  Button(cmdMonBack, "<", 4620, 105);
  List(cmbMonat, 5040, 120, 1560);
  List(cmbJahr, 6660, 120, 960);
  Button(cmdMonForward, ">", 7680, 105);
  PlaceLabel(Label5, 8220, 165, 780, forms::vbRightJustify);
  Button(cmdZoomDec, "-", 9060, 105);
  Button(cmdZoomInc, "+", 9480, 105);

  // Action row: mode and the three actions.
  picAction.Move(120, 570, 11760, 465);
  picAction.SetBorderStyle(0);
  PlaceLabel(Label3, 0, 120, 780, forms::vbRightJustify);
  List(cmbModus, 840, 75, 2100);
  PlaceLabel(Label4, 3060, 120, 780, forms::vbRightJustify);
  opt_agree.Move(3960, 105, 255, 255);
  PlaceLabel(lbl_action1, 4260, 120, 1500);
  opt_enquire.Move(5880, 105, 255, 255);
  PlaceLabel(lbl_action2, 6180, 120, 1500);
  opt_decline.Move(7800, 105, 255, 255);
  PlaceLabel(lbl_action3, 8100, 120, 1500);

  // The month calendar: four header rows, the names and up to 31 days.
  grdCal.Move(120, 1140, 11760, 6840);
  grdCal.SetCols(32);
  grdCal.SetRows(5);
  grdCal.SetFixedRows(4);
  grdCal.SetFixedCols(1);
  grdCal.SetBackColor(forms::vbWhite);
  grdCal.SetFontName("Arial");
  grdCal.SetColWidth(0, 2000);
  for (int c = 1; c < 32; ++c) grdCal.SetColWidth(c, 300);

  // Info panel: the kind of absence and its counts in the shown month.
  fmInfo.Move(12060, 1080, 3180, 3180);
  for (int i = 1; i <= 5; ++i) opt_Info(i).Move(180, 240 + (i - 1) * 270, 2820, 255);
  Title(lbl_Info, lbl_InfoShadow, 90, 1680, 3000, TitleColor, ShadowColor, forms::vbButtonFace);
  Figure(lbl_Info1, lbl_ColInfo1, 2160, forms::vbButtonText, forms::vbButtonFace);
  Figure(lbl_Info2, lbl_ColInfo2, 2460, forms::vbButtonText, forms::vbButtonFace);
  Figure(lbl_Info3, lbl_ColInfo3, 2760, forms::vbButtonText, forms::vbButtonFace);

  // Vacation account of the shown year, on a dark ground.
  fmKonto.Move(12060, 4380, 3180, 1860);
  fmKonto.SetBackColor(AccountBack);
  fmKonto.SetForeColor(AccountText);
  Title(lbl_Konto, lbl_KtoShadow, 90, 240, 3000, forms::vbYellow, forms::vbBlack, AccountBack);
  Figure(lbl_KtoInfo1, lbl_KtoZahl1, 780, AccountText, AccountBack);
  Figure(lbl_KtoInfo2, lbl_KtoZahl2, 1110, AccountText, AccountBack);
  Figure(lbl_KtoInfo3, lbl_KtoZahl3, 1440, AccountText, AccountBack);

  // Note of the cell under the pointer.
  fmNote.Move(12060, 6360, 3180, 1620);
  lbl_Note.Move(120, 270, 2940, 1230);
  lbl_Note.SetWordWrap(true);
  lbl_Note.SetBackStyle(0);

  lbl_Status.Move(120, 8100, 15120, 300);
  lbl_Status.SetBorderStyle(1);
  lbl_Status.SetBackColor(forms::vbWhite);
}

}  // namespace mv
