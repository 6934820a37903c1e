#include "overview/frmOptionen.h"

namespace mv {

void frmOptionen::LayOut() {
  SetBorderStyle(3);
  SetMinButton(false);
  SetMaxButton(false);
  Move(2400, 1200, 10425, 7560);
  chk_PWWildcards.Move(240, 240, 6000, 315);
  chk_ShowWeekend.Move(240, 660, 6000, 315);
  chk_ShowHolidays.Move(240, 1080, 6000, 315);
  chk_ShowDeps.Move(240, 1500, 6000, 315);
  // Graphical buttons: their back colour is the colour they choose.
  cmd_Color.ForEach([](int i, forms::CommandButton& b) {
    b.Move(6480, 630 + 420 * i, 1695, 375);
    b.SetStyle(1);
  });
  lbl_Font.Move(240, 2010, 3000, 255);
  cmd_Font.Move(3360, 1950, 3000, 375);
  lbl_Path.Move(240, 2490, 3000, 255);
  txt_Path.Move(3360, 2430, 6600, 315);
  lbl_Lang.Move(240, 2970, 3000, 255);
  // The two flags in their own size, 320 x 200 pixels.
  imgDeutsch.Move(240, 3300, 4800, 3000);
  imgDeutsch.SetPicture("pictures/Deutsch.png");
  imgEnglish.Move(5160, 3300, 4800, 3000);
  imgEnglish.SetPicture("pictures/English.png");
  cmd_Close.Move(7920, 6510, 2040, 375);
  // Its only button: Enter and Escape both close it, storing the settings.
  cmd_Close.SetDefault(true);
  cmd_Close.SetCancel(true);
}

}  // namespace mv
