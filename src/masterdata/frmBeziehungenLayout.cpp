#include "masterdata/frmBeziehungen.h"

namespace mv {

namespace {

constexpr int NameWidth = 2400;
constexpr int DependentWidth = 1920;

}  // namespace

void frmBeziehungen::LayOut() {
  SetBorderStyle(1);
  SetMinButton(false);
  SetMaxButton(false);
  Move(1200, 1200, 8655, 6300);

  // The grid with a button under each column and Close across its width.
  grdDep.Move(120, 120, 8295, 4500);
  grdDep.SetCols(4);
  grdDep.SetRows(1);
  grdDep.SetFixedRows(1);
  grdDep.SetFixedCols(1);
  grdDep.SetBackColor(forms::vbWhite);
  grdDep.SetWordWrap(true);
  grdDep.SetRowHeightMin(480);
  grdDep.SetColWidth(0, NameWidth);
  int left = 150;
  cmd_MA.Move(left, 4680, NameWidth, 495);
  left += NameWidth;
  for (forms::CommandButton* b : {&cmd_AbhMA1, &cmd_AbhMA2, &cmd_AbhMA3}) {
    b->Move(left, 4680, DependentWidth, 495);
    left += DependentWidth;
  }
  cmd_Close.Move(120, 5280, 8295, 375);
  cmd_Close.SetCancel(true);

  // The result panel, shown while the window is widened.
  lbl_Results.Move(8580, 120, 2880, 255);
  lst_Results.Move(8580, 420, 2880, 3900);
  cmd_Filter.Move(8580, 4380, 960, 495);
  cmd_CloseList.Move(9600, 4380, 1860, 495);
  cmd_ShowAll.Move(8580, 4935, 2880, 375);

  mnuOptions.SetVisible(false);
}

void frmBeziehungen::WireEvents() {
  grdDep.Click = [this] { grdDep_Click(); };
  cmd_MA.Click = [this] { cmd_MA_Click(); };
  cmd_AbhMA1.Click = [this] { cmd_AbhMA_Click(1); };
  cmd_AbhMA2.Click = [this] { cmd_AbhMA_Click(2); };
  cmd_AbhMA3.Click = [this] { cmd_AbhMA_Click(3); };
  cmd_Close.Click = [this] { cmd_Close_Click(); };
  cmd_Filter.Click = [this] { cmd_Filter_Click(); };
  cmd_CloseList.Click = [this] { cmd_CloseList_Click(); };
  cmd_ShowAll.Click = [this] { cmd_ShowAll_Click(); };
  lst_Results.DblClick = [this] { lst_Results_DblClick(); };
  mnuSelect.Click = [this] { mnuSelect_Click(); };
  mnuAdd.Click = [this] { mnuAdd_Click(); };
  mnuDelete.Click = [this] { mnuDelete_Click(); };
}

}  // namespace mv
