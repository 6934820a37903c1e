#include "overview/frmJahresansicht.h"

namespace mv {

namespace {

constexpr int LineHeight = 300;
constexpr int FirstLine = 300;
constexpr int LeftBlock = 240;
constexpr int RightBlock = 3960;

// One line of figures in a frame: the caption, the count and, beside it, the share.
void FigureLine(forms::Label& caption, forms::Label& count, forms::Label* percent, int block,
                int line) {
  const int top = FirstLine + line * LineHeight;
  caption.Move(block, top, 1800, 255);
  count.Move(block + 1860, top, 600, 255);
  count.SetAlignment(forms::vbRightJustify);
  count.SetFontBold(true);
  if (percent) {
    percent->Move(block + 2520, top, 900, 255);
    percent->SetAlignment(forms::vbRightJustify);
  }
}

void StateLines(forms::Label& davon, forms::Label* captions[3], forms::Label* counts[3],
                forms::Label* percents[3]) {
  davon.Move(RightBlock, FirstLine, 1800, 255);
  davon.SetFontItalic(true);
  for (int i = 0; i < 3; ++i) FigureLine(*captions[i], *counts[i], percents[i], RightBlock, i + 1);
}

}  // namespace

void frmJahresansicht::LayOut() {
  Move(240, 240, 15360, 10080);
  SetMinButton(false);
  SetMaxButton(false);
  SetBorderStyle(1);

  lbl_Teamauswahl.Move(120, 165, 780, 255);
  lbl_Teamauswahl.SetAlignment(forms::vbRightJustify);
  lbl_Teamauswahl.SetCaption("Team");
  cmb_Team.Move(960, 120, 2700, 315);
  cmb_Team.SetStyle(forms::vbComboDropdownList);

  grdYear.Move(120, 600, 15000, 5880);
  grdYear.SetCols(367);
  grdYear.SetRows(10);
  grdYear.SetFixedRows(4);
  grdYear.SetFixedCols(1);
  grdYear.SetBackColor(forms::vbWhite);
  grdYear.SetFontName("Arial");
  grdYear.SetFocusRect(forms::flexFocusNone);

  tabStats.Move(120, 6600, 7860, 2820);
  tabStats.AddTab("", "tab_Urlaub");
  tabStats.AddTab("", "tab_Krank");
  tabStats.AddTab("", "tab_Zeitausgleich");
  tabStats.AddTab("", "tab_Dienstreise");
  tabStats.AddTab("", "tab_sonstige");
  for (forms::Frame* frame :
       {&fmUrlaub, &fmKrank, &fmZeitausgleich, &fmDienstreise, &fmSonstiges}) {
    frame->Move(210, 7080, 7680, 2250);
    frame->SetBorderStyle(0);
    frame->SetVisible(frame == &fmUrlaub);
  }

  FigureLine(lbl_Ugesamt, lbl_AnzUgesamt, nullptr, LeftBlock, 0);
  FigureLine(lbl_Uverplant, lbl_AnzUverplant, &lbl_PzUverplant, LeftBlock, 1);
  FigureLine(lbl_Uoffen, lbl_AnzUoffen, &lbl_PzUoffen, LeftBlock, 2);
  forms::Label* uCaptions[] = {&lbl_Ugenehmigt, &lbl_Uangefragt, &lbl_Uabgelehnt};
  forms::Label* uCounts[] = {&lbl_AnzUgenehmigt, &lbl_AnzUangefragt, &lbl_AnzUabgelehnt};
  forms::Label* uShares[] = {&lbl_PzUgenehmigt, &lbl_PzUangefragt, &lbl_PzUabgelehnt};
  StateLines(lbl_davon[0], uCaptions, uCounts, uShares);

  FigureLine(lbl_Kgesamt, lbl_AnzKgesamt, nullptr, LeftBlock, 0);
  FigureLine(lbl_Kentschuldigt, lbl_AnzKentschuldigt, &lbl_PzKentschuldigt, RightBlock, 1);
  FigureLine(lbl_Kunentschuldigt, lbl_AnzKunentschuldigt, &lbl_PzKunentschuldigt, RightBlock, 2);

  FigureLine(lbl_Zgesamt, lbl_AnzZgesamt, nullptr, LeftBlock, 0);
  forms::Label* zCaptions[] = {&lbl_Zgenehmigt, &lbl_Zangefragt, &lbl_Zabgelehnt};
  forms::Label* zCounts[] = {&lbl_AnzZgenehmigt, &lbl_AnzZangefragt, &lbl_AnzZabgelehnt};
  forms::Label* zShares[] = {&lbl_PzZgenehmigt, &lbl_PzZangefragt, &lbl_PzZabgelehnt};
  StateLines(lbl_davon[1], zCaptions, zCounts, zShares);

  FigureLine(lbl_Dgesamt, lbl_AnzDgesamt, nullptr, LeftBlock, 0);
  forms::Label* dCaptions[] = {&lbl_Dgenehmigt, &lbl_Dangefragt, &lbl_Dabgelehnt};
  forms::Label* dCounts[] = {&lbl_AnzDgenehmigt, &lbl_AnzDangefragt, &lbl_AnzDabgelehnt};
  forms::Label* dShares[] = {&lbl_PzDgenehmigt, &lbl_PzDangefragt, &lbl_PzDabgelehnt};
  StateLines(lbl_davon[2], dCaptions, dCounts, dShares);

  FigureLine(lbl_Sgesamt, lbl_AnzSgesamt, nullptr, LeftBlock, 0);
  forms::Label* sCaptions[] = {&lbl_Sgenehmigt, &lbl_Sangefragt, &lbl_Sabgelehnt};
  forms::Label* sCounts[] = {&lbl_AnzSgenehmigt, &lbl_AnzSangefragt, &lbl_AnzSabgelehnt};
  forms::Label* sShares[] = {&lbl_PzSgenehmigt, &lbl_PzSangefragt, &lbl_PzSabgelehnt};
  StateLines(lbl_davon[3], sCaptions, sCounts, sShares);

  cmd_Close.Move(12840, 9000, 2280, 420);
  cmd_Close.SetCancel(true);

  fmProgress.Move(4680, 2820, 5880, 1080);
  fmProgress.SetVisible(false);
  lbl_Wait.Move(120, 150, 5580, 255);
  lbl_Wait.SetAlignment(forms::vbCenter);
  prg_Wait.Move(120, 540, 5580, 330);
}

}  // namespace mv
