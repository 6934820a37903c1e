#include "overview/frmOptionen.h"

#include <cstdint>
#include <iterator>
#include <optional>

#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"
#include "core/Settings.h"
#include "overview/frmJahresansicht.h"
#include "text/Blanks.h"

namespace mv {

namespace {

int Tick(bool on) { return on ? forms::vbChecked : forms::vbUnchecked; }

std::int16_t Flag(const forms::CheckBox& box) { return box.Value() != forms::vbUnchecked ? -1 : 0; }

// The caption stays readable on whatever colour the button shows.
void ShowColour(forms::CommandButton& button, forms::Color colour) {
  const long red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
  button.SetBackColor(colour);
  button.SetForeColor(red * 299 + green * 587 + blue * 114 < 128000 ? forms::vbWhite
                                                                    : forms::vbBlack);
}

enum class RecordText { Font, Path };

// Said when settings.dat cannot hold a text whole: too long for its field, or outside
// Windows-1252.
std::string Refused(const State& s, RecordText field, const std::string& text) {
  const bool font = field == RecordText::Font;
  const std::string quoted = " \"" + text + "\" ";
  const std::string width = std::to_string(font ? CalendarFontWidth : DatabasePathWidth);
  if (s.Language() == LanguageEnglish)
    return (font ? "The font name" : "The database path") + quoted +
           "does not fit into the settings file: at most " + width +
           " characters, all of the Western European character set (Windows-1252).\r" +
           (font ? "The calendar keeps its font." : "The previous path is kept.");
  return (font ? "Der Schriftname" : "Der Datenbankpfad") + quoted +
         "passt nicht in die Einstellungsdatei: höchstens " + width +
         " Zeichen, alle aus dem westeuropäischen Zeichensatz (Windows-1252).\r" +
         (font ? "Der Kalender behält seine Schriftart." : "Der bisherige Pfad bleibt.");
}

// Said when the next start could not open the path as it stands.
std::string Unopenable(const State& s, const std::string& path) {
  if (s.Language() == LanguageEnglish)
    return "The next start could not open the database path \"" + path +
           "\": a path may neither begin nor end with a blank, nor hold a ';' together with "
           "both kinds of quote (\" and ').\rThe previous path is kept.";
  return "Der nächste Start könnte den Datenbankpfad \"" + path +
         "\" nicht öffnen: ein Pfad darf weder mit einem Leerzeichen beginnen oder enden noch ein "
         "';' zusammen mit beiden Arten von Anführungszeichen (\" und ') enthalten.\rDer "
         "bisherige Pfad bleibt.";
}

std::string NotStored(const State& s) {
  return s.Language() == LanguageEnglish
             ? "The settings apply until the program ends, but they are not stored."
             : "Die Einstellungen gelten bis zum Programmende, werden aber nicht gespeichert.";
}

}  // namespace

void OpenOptions(OverviewWindows& windows) { windows.frmOptionen->SetUpAndShow(); }

frmOptionen::frmOptionen(OverviewWindows& windows)
    : forms::Form(windows.s.rt, "frmOptionen"), w_(windows), s_(windows.s) {
  LayOut();
  cmd_Close.Click = [this] { cmd_Close_Click(); };
  cmd_Color.ForEach(
      [this](int i, forms::CommandButton& b) { b.Click = [this, i] { cmd_Color_Click(i); }; });
  cmd_Font.Click = [this] { cmd_Font_Click(); };
  imgDeutsch.Click = [this] { imgDeutsch_Click(); };
  imgEnglish.Click = [this] { imgEnglish_Click(); };
  txt_Path.DblClick = [this] { txt_Path_DblClick(); };
}

void frmOptionen::SetUpAndShow() {
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) main->SetEnabled(false);
  SetCaptions();
  const SettingsRecord& settings = s_.Settings;
  // Only -1 masks the password at login; the box shows what the login does.
  chk_PWWildcards.SetValue(Tick(settings.MaskPassword == -1));
  chk_ShowWeekend.SetValue(Tick(settings.HighlightWeekend != 0));
  chk_ShowHolidays.SetValue(Tick(settings.HighlightHolidays != 0));
  chk_ShowDeps.SetValue(Tick(settings.NotifyDependencies != 0));
  cmd_Font.SetCaption(settings.CalendarFont);
  txt_Path.SetText(StoredPath());
  ShowColour(cmd_Color(0), settings.WeekendColor);
  ShowColour(cmd_Color(1), settings.HolidayColor);
  Show();
  const bool employee = s_.UserGroup == GroupEmployee;
  chk_PWWildcards.SetEnabled(!employee);
  chk_ShowDeps.SetEnabled(!employee);
  txt_Path.SetEnabled(s_.UserGroup == GroupAdmin);
}

void frmOptionen::SetCaptions() {
  SetCaption(s_.T(165));
  chk_PWWildcards.SetCaption(s_.T(106));
  chk_ShowWeekend.SetCaption(s_.T(107));
  chk_ShowHolidays.SetCaption(s_.T(110));
  chk_ShowDeps.SetCaption(s_.T(109));
  cmd_Color.ForEach([this](int, forms::CommandButton& b) { b.SetCaption(s_.T(108)); });
  lbl_Font.SetCaption(s_.T(111));
  lbl_Lang.SetCaption(s_.T(112));
  lbl_Path.SetCaption(s_.T(121));
  cmd_Close.SetCaption(s_.T(TxtCloseWindow));
}

std::string frmOptionen::StoredPath() const {
  const std::string configured = s_.ConfiguredDatabasePath.value_or(s_.Settings.DatabasePath);
  // A first start names none: the database actually open is the one the next start is to find.
  return text::TrimTrailingBlanks(configured).empty() ? s_.Conn.Path() : configured;
}

std::optional<std::string> frmOptionen::PathToStore(const std::string& chosen) {
  const std::optional<std::string> path = PathForNextStart(chosen, s_.rt.Path());
  if (!path) {
    MsgBox(Unopenable(s_, chosen), forms::vbOKOnly);
    return std::nullopt;
  }
  if (!DatabasePathFits(*path)) {
    MsgBox(Refused(s_, RecordText::Path, *path), forms::vbOKOnly);
    return std::nullopt;
  }
  return path;
}

void frmOptionen::cmd_Close_Click() {
  SettingsRecord& settings = s_.Settings;
  settings.MaskPassword = Flag(chk_PWWildcards);
  settings.HighlightWeekend = Flag(chk_ShowWeekend);
  settings.HighlightHolidays = Flag(chk_ShowHolidays);
  settings.NotifyDependencies = Flag(chk_ShowDeps);
  // Blanks at the end are the record's padding; an emptied box names the database open now.
  const std::string typed = text::TrimTrailingBlanks(txt_Path.Text());
  // The connection stays on the database it opened; the path counts from the next start.
  settings.DatabasePath =
      typed.empty() ? s_.Conn.Path() : PathToStore(typed).value_or(StoredPath());
  s_.ConfiguredDatabasePath.reset();
  if (const std::optional<std::string> failure = WriteSettingsFile(s_.rt.Path(), settings))
    MsgBox(*failure + "\r" + NotStored(s_), forms::vbOKOnly);
  Hide();
  FillCalendar(w_.calendar, CalendarPass::Monat);
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) {
    main->SetEnabled(true);
    main->Show();
  }
}

void frmOptionen::Form_QueryUnload(int&, int) { cmd_Close_Click(); }

void frmOptionen::cmd_Color_Click(int Index) {
  std::int32_t& colour = Index == 0 ? s_.Settings.WeekendColor : s_.Settings.HolidayColor;
  const std::optional<forms::Color> chosen = s_.rt.ChooseColor(colour);
  if (!chosen) return;
  colour = static_cast<std::int32_t>(*chosen);
  ShowColour(cmd_Color(Index), *chosen);
}

void frmOptionen::cmd_Font_Click() {
  frmKalender* main = w_.calendar.frmKalender.IfLoaded();
  forms::Font current = main ? main->grdCal.Font() : forms::Font{};
  current.Name = s_.Settings.CalendarFont;
  const std::optional<forms::Font> chosen = s_.rt.ChooseFont(current);
  if (!chosen) return;
  if (!FontNameFits(chosen->Name)) {
    MsgBox(Refused(s_, RecordText::Font, chosen->Name), forms::vbOKOnly);
    return;
  }
  s_.Settings.CalendarFont = chosen->Name;
  if (main) ApplyCalendarFont(main->grdCal, chosen->Name);
  w_.frmJahresansicht->TakeCalendarFont();
  cmd_Font.SetCaption(chosen->Name);
}

void frmOptionen::imgDeutsch_Click() { SwitchLanguage(LanguageGerman); }
void frmOptionen::imgEnglish_Click() { SwitchLanguage(LanguageEnglish); }

// The main window and the dialog are built anew in the language; ticks and a path not stored
// yet show again as the user left them, to be stored when the dialog closes.
void frmOptionen::SwitchLanguage(int language) {
  forms::CheckBox* boxes[] = {&chk_PWWildcards, &chk_ShowWeekend, &chk_ShowHolidays, &chk_ShowDeps};
  int ticks[std::size(boxes)];
  for (std::size_t i = 0; i < std::size(boxes); ++i) ticks[i] = boxes[i]->Value();
  const std::string path = txt_Path.Text();
  s_.Settings.Language = static_cast<std::uint8_t>(language);
  s_.rt.UiLanguageChanged();
  ReloadMainWindow(w_.calendar);
  Hide();
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) main->mnuOptionen_Click();
  for (std::size_t i = 0; i < std::size(boxes); ++i) boxes[i]->SetValue(ticks[i]);
  txt_Path.SetText(path);
}

// Cancelled, or a path refused: the box keeps its text.
void frmOptionen::txt_Path_DblClick() {
  const std::optional<std::string> chosen = s_.rt.ChooseOpenFile();
  if (!chosen || chosen->empty()) return;
  if (const std::optional<std::string> path = PathToStore(*chosen)) txt_Path.SetText(*path);
}

}  // namespace mv
