#include "overview/frmInfo.h"

#include "calendar/frmKalender.h"

namespace mv {

namespace {

constexpr forms::Color TitleGreen = 0x80FF80;
constexpr int TitleLeft = 6225;
constexpr int TitleTop = 240;
constexpr int TitleWidth = 4575;
// A line of the 28 point title with room for its descenders.
constexpr int TitleHeight = 660;

void InfoLine(forms::Label& label, int top, int height) {
  label.Move(TitleLeft, top, TitleWidth, height);
  label.SetBackStyle(0);
  label.SetWordWrap(true);
}

}  // namespace

void OpenAbout(OverviewWindows& windows) {
  if (frmKalender* main = windows.calendar.frmKalender.IfLoaded()) main->SetEnabled(false);
  windows.frmInfo->Show();
}

frmInfo::frmInfo(OverviewWindows& windows)
    : forms::Form(windows.s.rt, "frmInfo"), w_(windows), s_(windows.s) {
  LayOut();
  cmd_Close.Click = [this] { cmd_Close_Click(); };
}

void frmInfo::LayOut() {
  SetBorderStyle(3);
  SetControlBox(false);
  Move(2400, 1800, 11160, 4830);
  // The picture in its own size, 383 x 257 pixels.
  Image1.Move(240, 240, 5745, 3855);
  Image1.SetPicture("pictures/Info.png");
  const int offsets[][2] = {{0, -15}, {-15, 0}, {15, 0}, {0, 15}};
  lblShadow.ForEach([&](int i, forms::Label& l) {
    l.Move(TitleLeft + offsets[i][0], TitleTop + offsets[i][1], TitleWidth, TitleHeight);
    l.SetForeColor(forms::vbBlack);
  });
  lblTitle.Move(TitleLeft, TitleTop, TitleWidth, TitleHeight);
  lblTitle.SetForeColor(TitleGreen);
  for (forms::Label* title :
       {&lblShadow(0), &lblShadow(1), &lblShadow(2), &lblShadow(3), &lblTitle}) {
    title->SetBackStyle(0);
    title->SetFontName("Arial");
    title->SetFontSize(28);
    title->SetFontBold(true);
    title->SetAlignment(forms::vbCenter);
  }
  lblTitle.ZOrder(0);
  InfoLine(lblInfo1, 1080, 495);
  InfoLine(lblInfo2, 1620, 495);
  InfoLine(lblInfo3, 2160, 495);
  InfoLine(lblInfo4, 2700, 495);
  InfoLine(lblVersion, 3360, 255);
  cmd_Close.Move(8760, 3720, 2040, 375);
  cmd_Close.SetDefault(true);
  cmd_Close.SetCancel(true);
}

void frmInfo::Form_Load() {
  SetCaption(s_.T(169));
  lblTitle.SetCaption(s_.T(TxtProgramTitle));
  lblShadow.ForEach([this](int, forms::Label& l) { l.SetCaption(s_.T(TxtProgramTitle)); });
  lblInfo1.SetCaption(s_.T(117));
  lblInfo2.SetCaption(s_.T(118));
  lblInfo3.SetCaption(s_.T(119));
  lblInfo4.SetCaption(s_.T(120));
  lblVersion.SetCaption("Version 1.1");
  cmd_Close.SetCaption(s_.T(TxtCloseWindow));
}

// The main window is enabled but not brought forward.
void frmInfo::cmd_Close_Click() {
  OverviewWindows& w = w_;
  if (frmKalender* main = w.calendar.frmKalender.IfLoaded()) main->SetEnabled(true);
  w.frmInfo.Unload();
}

}  // namespace mv
