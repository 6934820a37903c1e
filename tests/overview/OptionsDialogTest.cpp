// The options dialog: rights by group, closing, colour and font, texts settings.dat cannot hold,
// the language switch, the database path and a settings file that cannot be written.
#include <filesystem>

#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

mv::frmOptionen& OpenOptions(mvtest::TestApp& app) {
  return Open(app, "Ctrl+E", app.overview().frmOptionen);
}

// settings.dat as the next start reads it.
mv::SettingsRecord Stored(mvtest::TestApp& app) {
  return mv::ReadSettingsFile(app.Folder()).Record;
}

std::string WithoutPadding(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// Each login in turn: nothing is left over from the previous user's rights. The running program
// stays on its database; after a start that fell back to the local file, the file keeps naming the
// configured path until the administrator picks another in the file dialog.
TEST(OptionsDialog, EachLoginSeesTheRightsOfItsGroupAndThePathCountsFromTheNextStart) {
  CalendarApp app;
  app.AddLogin(11, "adam", "pw3", 3);
  app.AddLogin(10, "berg", "pw2", 2);
  mv::SettingsRecord settings;
  settings.DatabasePath = "/nirgends/Firma.mdb";
  app.WriteSettings(settings);
  app.s().Texts.Fill(app.Folder().string());
  app.platform.ExpectMessageBox(app.s().Texts(149, 1), forms::vbOK);
  ASSERT_EQ(app.StartProgram(), 0);
  for (const auto& [name, password, notices, path] : {std::tuple{"adam", "pw3", false, false},
                                                      {"berg", "pw2", true, false},
                                                      {"zoller", "pw", true, true}}) {
    ASSERT_NE(app.LoginAs(name, password), nullptr);
    mv::frmOptionen& o = OpenOptions(app);
    EXPECT_EQ(o.chk_ShowDeps.Enabled(), notices) << name;
    EXPECT_EQ(o.txt_Path.Enabled(), path) << name;
    if (path) app.platform.QueueOpenFile("/srv/neu.mdb");  // a locked path opens no file dialog
    o.txt_Path.UserDoubleClick();
    o.cmd_Close.UserClick();
    EXPECT_EQ(WithoutPadding(Stored(app).DatabasePath),
              path ? "/srv/neu.mdb" : settings.DatabasePath)
        << name;
    if (!path) Main(app).UserShortcut("Ctrl+L");
  }
  EXPECT_EQ(app.s().Conn.Path(), app.DbPath().string());
}

// Close and the close box alike: each tick stored from its own box byte for byte, the weekend
// marks gone at once. A file that cannot be written is said with the system's description; the
// dialog closes and the program keeps the settings.
TEST(OptionsDialog, ClosingStoresTheTicksAndRedrawsTheMarks) {
  enum class Way { Button, CloseBox, Unwritable };
  for (Way way : {Way::Button, Way::CloseBox, Way::Unwritable}) {
    CalendarApp app;
    auto& k = Enter(app, 12, 1);
    const std::filesystem::path file = mv::SettingsFilePath(app.Folder());
    if (way == Way::Unwritable) {
      std::filesystem::remove(file);
      std::filesystem::create_directory(file);
      app.ExpectBoxNaming(file.string());
    }
    mv::frmOptionen& o = OpenOptions(app);
    for (forms::CheckBox* box : {&o.chk_ShowWeekend, &o.chk_PWWildcards, &o.chk_ShowDeps})
      box->UserClick();
    way == Way::CloseBox ? o.UserClose() : o.cmd_Close.UserClick();
    EXPECT_EQ(BackAt(k.grdCal, AdamRow, 5), White);
    EXPECT_TRUE(k.IsActive());
    EXPECT_EQ(app.overview().frmOptionen.IsLoaded(), way != Way::CloseBox);
    if (way == Way::Unwritable) continue;
    const mv::SettingsRecord stored = Stored(app);
    EXPECT_EQ((std::vector<int>{stored.Language, stored.MaskPassword, stored.HighlightWeekend,
                                stored.HighlightHolidays, stored.NotifyDependencies,
                                stored.WeekendColor, stored.HolidayColor}),
              (std::vector<int>{1, -1, 0, -1, 0, WeekendColor, HolidayColor}));
    // None being configured, the database open.
    EXPECT_EQ(WithoutPadding(stored.DatabasePath), app.DbPath().string());
    const mv::frmOptionen& again = OpenOptions(app);  // shows what is stored
    EXPECT_EQ((std::vector<int>{again.chk_PWWildcards.Value(), again.chk_ShowWeekend.Value(),
                                again.chk_ShowHolidays.Value(), again.chk_ShowDeps.Value()}),
              (std::vector<int>{1, 0, 1, 0}));
  }
}

// Colour and font dialogs change only what is chosen. The switch to English builds main window and
// dialog again, keeping the ticks, path and colour the user set; the file holds them once closed.
TEST(OptionsDialog, ColourFontAndLanguageChangeAtOnce) {
  CalendarApp app;
  app.AddHoliday(Dec(8));
  auto& k = Enter(app, 12, 1);
  mv::frmOptionen& o = OpenOptions(app);
  app.platform.QueueColor(std::nullopt);  // the weekend colour dialog cancelled
  o.cmd_Color(0).UserClick();
  app.platform.QueueColor(0x123456);
  o.cmd_Color(1).UserClick();
  EXPECT_EQ(o.cmd_Color(0).BackColor(), WeekendColor);
  EXPECT_EQ(o.cmd_Color(1).BackColor(), 0x123456);

  // Only the name changes, on both grids at once; each cell keeps its size and weight.
  forms::Font header = Look(k.grdCal, 0, 1).Font;
  app.platform.QueueFont(forms::Font{"Courier New", 14});
  o.cmd_Font.UserClick();
  header.Name = "Courier New";
  EXPECT_EQ(Look(k.grdCal, 0, 1).Font, header);
  EXPECT_EQ(app.overview().frmJahresansicht->grdYear.FontName(), "Courier New");
  EXPECT_EQ(o.cmd_Font.Caption(), "Courier New");
  o.cmd_Close.UserClick();
  EXPECT_EQ(BackAt(k.grdCal, AdamRow, 5), WeekendColor);
  EXPECT_EQ(BackAt(k.grdCal, AdamRow, 8), 0x123456);
  EXPECT_EQ(Stored(app).CalendarFont, "Courier New");

  OpenOptions(app).chk_PWWildcards.UserClick();
  o.txt_Path.UserSelectAll();
  o.txt_Path.UserType("/anders.mdb");
  app.platform.QueueColor(0x445566);
  o.cmd_Color(0).UserClick();
  o.imgEnglish.UserClick();
  EXPECT_EQ((Texts{Main(app).mnuOptionen.Caption(), o.chk_ShowWeekend.Caption()}),
            (Texts{"Settings", "Highlight weekend"}));
  EXPECT_EQ(o.chk_PWWildcards.Value(), 1);
  EXPECT_EQ(o.txt_Path.Text(), "/anders.mdb");

  o.cmd_Close.UserClick();
  const mv::SettingsRecord stored = Stored(app);
  EXPECT_EQ(stored.Language, 2);
  EXPECT_EQ(stored.MaskPassword, -1);
  EXPECT_EQ(WithoutPadding(stored.DatabasePath), "/anders.mdb");
  EXPECT_EQ(BackAt(Main(app).grdCal, AdamRow, 5), 0x445566);
}

// Refused with a message naming the text, the old value kept; so is a path the next start could not
// open. A relative path is taken from the program folder.
TEST(OptionsDialog, TextsTheSettingsFileCannotHoldAreRefused) {
  const std::string path100 = "/" + std::string(95, 'p') + ".mdb";
  const std::tuple<bool, std::string, bool> cases[] = {// a font or a typed path, refused
                                                       {true, std::string(50, 'F'), false},
                                                       {true, std::string(51, 'F'), true},
                                                       {true, "Шрифт", true},
                                                       {false, path100, false},
                                                       {false, path100 + "x", true},
                                                       {false, "/数据.mdb", true},
                                                       {false, "/a;b\"c'.mdb", true},
                                                       {false, "daten/db.mdb", false}};
  for (const auto& [font, text, refused] : cases) {
    SCOPED_TRACE(text);
    CalendarApp app;
    Enter(app, 12, 1);
    mv::frmOptionen& o = OpenOptions(app);
    if (refused) app.ExpectBoxNaming(text);
    if (font) app.platform.QueueFont(forms::Font{text});
    o.txt_Path.UserSelectAll();
    font ? o.cmd_Font.UserClick() : o.txt_Path.UserType(text);
    o.cmd_Close.UserClick();
    const std::string kept = font ? "Arial" : app.DbPath().string();
    const std::string taken = font || text[0] == '/' ? text : (app.Folder() / text).string();
    const mv::SettingsRecord stored = Stored(app);
    EXPECT_EQ(font ? stored.CalendarFont : WithoutPadding(stored.DatabasePath),
              refused ? kept : taken);
    if (refused) {
      EXPECT_EQ(app.platform.MessageBoxes().back().Request.Prompt.substr(0, 4), "Der ");
    }
  }
}

}  // namespace
