// The options dialog as each group sees it, closing by button and close box, the colour and font
// choices, texts the settings file cannot hold, the language switch, the database path and a
// settings file that cannot be written.
#include <filesystem>

#include "OverviewTestSupport.h"
#include "overview/frmJahresansicht.h"

namespace {

using namespace overviewtest;

// The settings of Prepare, each login's rights, and nothing left over from the previous user.
TEST(OptionsDialog, EachLoginSeesTheSettingsWithinTheRightsOfItsGroup) {
  CalendarApp app;
  app.AddLogin(11, "adam", "pw3", 3);
  app.AddLogin(10, "berg", "pw2", 2);
  Prepare(app);
  struct Login {
    const char *name, *password;
    bool maskingAndNotices, path;
  };
  for (const Login login : {Login{"adam", "pw3", false, false},
                            {"berg", "pw2", true, false},
                            {"zoller", "pw", true, true}}) {
    SCOPED_TRACE(login.name);
    ASSERT_NE(app.LoginAs(login.name, login.password), nullptr);
    mv::frmOptionen& o = OpenOptions(app);
    EXPECT_FALSE(Main(app).Enabled());
    EXPECT_EQ(o.Caption(), "Einstellungen");
    EXPECT_EQ(o.chk_PWWildcards.Enabled(), login.maskingAndNotices);
    EXPECT_EQ(o.chk_ShowDeps.Enabled(), login.maskingAndNotices);
    EXPECT_EQ(o.txt_Path.Enabled(), login.path);
    for (forms::Control* c : std::vector<forms::Control*>{
             &o.chk_ShowWeekend, &o.chk_ShowHolidays, &o.cmd_Color(0), &o.cmd_Color(1), &o.cmd_Font,
             &o.imgDeutsch, &o.imgEnglish, &o.cmd_Close})
      EXPECT_TRUE(c->Enabled()) << c->Name();
    EXPECT_EQ(o.chk_PWWildcards.Value(), 0);
    EXPECT_EQ(o.chk_ShowWeekend.Value(), 1);
    EXPECT_EQ(o.chk_ShowDeps.Value(), 1);
    EXPECT_EQ(o.cmd_Color(0).BackColor(), WeekendColor);
    EXPECT_EQ(o.cmd_Color(1).BackColor(), HolidayColor);
    EXPECT_EQ(o.cmd_Font.Caption(), "Arial");
    // Only where the path is open does a double click bring the file dialog.
    if (login.path) app.platform.QueueOpenFile(std::nullopt);
    o.txt_Path.UserDoubleClick();
    o.cmd_Close.UserClick();
    Main(app).UserShortcut("Ctrl+L");
  }
}

// Close and the close box alike: the ticks stored byte for byte, the weekend marks gone at once.
TEST(OptionsDialog, ClosingStoresTheTicksAndRedrawsTheMarks) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Close");
    CalendarApp app;
    auto& k = Enter(app, 12, 1);
    EXPECT_EQ(BackAt(k.grdCal, AdamRow, 5), WeekendColor);
    mv::frmOptionen& o = OpenOptions(app);
    o.chk_ShowWeekend.UserClick();
    o.chk_PWWildcards.UserClick();
    closeBox ? o.UserClose() : o.cmd_Close.UserClick();

    EXPECT_EQ(BackAt(k.grdCal, AdamRow, 5), White);
    EXPECT_TRUE(k.Enabled());
    EXPECT_TRUE(k.IsActive());
    EXPECT_EQ(app.overview().frmOptionen.IsLoaded(), !closeBox);
    // Language, the four flags, the two colours, the font and the (empty) path.
    const std::string flagsAndColours(
        "\x01\xFF\xFF\x00\x00\xFF\xFF\xFF\xFF"
        "\xC0\xC0\xC0\x00\x80\xFF\x80\x00",
        17);
    EXPECT_EQ(FileBytes(app), flagsAndColours + Padded("Arial", 50) + Padded("", 100));
  }
}

TEST(OptionsDialog, ColourAndFontDialogsChangeOnlyWhatIsChosen) {
  CalendarApp app;
  app.AddHoliday(Dec(8));
  auto& k = Enter(app, 12, 1);
  mv::frmOptionen& o = OpenOptions(app);
  app.platform.QueueColor(std::nullopt);
  o.cmd_Color(0).UserClick();
  app.platform.QueueColor(0x123456);
  o.cmd_Color(1).UserClick();
  app.platform.QueueFont(std::nullopt);
  o.cmd_Font.UserClick();
  EXPECT_EQ(o.cmd_Color(0).BackColor(), WeekendColor);
  EXPECT_EQ(o.cmd_Color(1).BackColor(), 0x123456);
  EXPECT_EQ(o.cmd_Font.Caption(), "Arial");

  const forms::Font header = Look(k.grdCal, 0, 1).Font;
  app.platform.QueueFont(forms::Font{"Courier New", 14, false});
  o.cmd_Font.UserClick();
  EXPECT_EQ(o.cmd_Font.Caption(), "Courier New");
  // Only the name changes, on both grids at once; each cell keeps its size and weight.
  forms::Font expected = header;
  expected.Name = "Courier New";
  EXPECT_EQ(Look(k.grdCal, 0, 1).Font, expected);
  EXPECT_EQ(Look(k.grdCal, AdamRow, 31).Font.Name, "Courier New");
  EXPECT_EQ(app.overview().frmJahresansicht->grdYear.FontName(), "Courier New");
  EXPECT_FALSE(app.overview().frmJahresansicht->Visible());

  o.cmd_Close.UserClick();
  EXPECT_EQ(BackAt(k.grdCal, AdamRow, 8), 0x123456);
  EXPECT_EQ(BackAt(k.grdCal, AdamRow, 5), WeekendColor);
  EXPECT_EQ(Stored(app).CalendarFont, "Courier New");
}

// Refused with a message; the old value stays in memory, on screen and in the file.
TEST(OptionsDialog, TextsTheSettingsFileCannotHoldAreRefused) {
  const std::string path100 = "/" + std::string(95, 'p') + ".mdb";
  struct Case {
    const char* what;
    bool font;
    std::string text;
    bool typed;
    bool refused;
  };
  const Case cases[] = {
      {"a font of 50 characters", true, std::string(50, 'F'), false, false},
      {"a font of 51 characters", true, std::string(51, 'F'), false, true},
      {"a font outside Windows-1252", true, "Шрифт", false, true},
      {"a path with the euro sign", false, "/daten/€uro.mdb", false, false},
      {"a chosen path of 101 characters", false, path100 + "x", false, true},
      {"a typed path of 100 characters", false, path100, true, false},
      {"a typed path outside Windows-1252", false, "/数据.mdb", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CalendarApp app;
    Enter(app, 12, 1);
    const mv::SettingsRecord before = app.s().Settings;
    mv::frmOptionen& o = OpenOptions(app);
    if (c.refused)
      app.platform.ExpectMessageBox(
          [&](const forms::MessageBoxRequest& r) {
            return r.Prompt.find(c.text) != std::string::npos;
          },
          forms::vbOK);
    if (c.font) {
      app.platform.QueueFont(forms::Font{c.text});
      o.cmd_Font.UserClick();
    } else if (c.typed) {
      o.txt_Path.UserType(c.text);
    } else {
      app.platform.QueueOpenFile(c.text);
      o.txt_Path.UserDoubleClick();
    }
    o.cmd_Close.UserClick();
    const mv::SettingsRecord stored = Stored(app);
    if (c.font) {
      EXPECT_EQ(o.cmd_Font.Caption(), c.refused ? before.CalendarFont : c.text);
      EXPECT_EQ(stored.CalendarFont, c.refused ? before.CalendarFont : c.text);
    } else {
      EXPECT_EQ(WithoutPadding(stored.DatabasePath), c.refused ? before.DatabasePath : c.text);
    }
    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  }
}

// The main window and the dialog are built again in English from the stored settings: ticks and a
// path changed before the switch give way, a chosen colour stays; the file holds the language
// only once the dialog is closed.
TEST(OptionsDialog, SwitchingToEnglishRebuildsMainWindowAndDialogAtOnce) {
  CalendarApp app;
  Enter(app, 12, 1);
  mv::frmOptionen& o = OpenOptions(app);
  o.chk_ShowWeekend.UserClick();
  o.txt_Path.UserType("/anders.mdb");
  app.platform.QueueColor(0x445566);
  o.cmd_Color(0).UserClick();
  o.imgEnglish.UserClick();

  mv::frmKalender& k = Main(app);
  EXPECT_EQ(k.Label1.Caption(), "Team");
  EXPECT_EQ(k.mnuOptionen.Caption(), "Settings");
  EXPECT_EQ(k.cmbMonat.Text(), "December");
  EXPECT_FALSE(k.Enabled());
  EXPECT_TRUE(o.Visible());
  EXPECT_EQ(o.Caption(), "Settings");
  EXPECT_EQ(o.chk_ShowWeekend.Caption(), "Highlight weekend");
  EXPECT_EQ(o.chk_ShowWeekend.Value(), 1);
  EXPECT_EQ(o.txt_Path.Text(), "");
  EXPECT_EQ(o.cmd_Color(0).BackColor(), 0x445566);
  EXPECT_EQ(FileBytes(app), "");

  o.cmd_Close.UserClick();
  EXPECT_EQ(FileBytes(app)[0], 2);
  EXPECT_TRUE(Main(app).Enabled());
  EXPECT_EQ(BackAt(Main(app).grdCal, AdamRow, 5), 0x445566);
  OpenOptions(app).imgDeutsch.UserClick();
  EXPECT_EQ(Main(app).mnuOptionen.Caption(), "Einstellungen");
}

// The running program stays on its database; the file names the path for the next start, and
// after a start that fell back to the local file it keeps naming the configured one.
TEST(OptionsDialog, ThePathCountsFromTheNextStartAndSurvivesAFallback) {
  CalendarApp app;
  app.AddEntry(11, Dec(2), "U/");
  const std::string configured = Padded("/nirgends/Firma.mdb", 100);
  mv::SettingsRecord settings;
  settings.DatabasePath = configured;
  app.WriteSettings(settings);
  app.platform.ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) {
        return r.Prompt.find("Morvellan.mdb") != std::string::npos;
      },
      forms::vbOK);
  ASSERT_EQ(app.StartProgram(), 0);
  ASSERT_NE(app.LoginAs("zoller", "pw"), nullptr);
  mv::frmOptionen& o = OpenOptions(app);
  EXPECT_EQ(o.txt_Path.Text(), configured);
  o.cmd_Close.UserClick();
  EXPECT_EQ(Stored(app).DatabasePath, configured);

  app.platform.QueueOpenFile(std::nullopt);
  OpenOptions(app).txt_Path.UserDoubleClick();
  EXPECT_EQ(o.txt_Path.Text(), configured);
  o.txt_Path.UserSelect(0, 100);
  o.txt_Path.UserType("/srv/neu.mdb");
  o.cmd_Close.UserClick();
  EXPECT_EQ(Stored(app).DatabasePath, Padded("/srv/neu.mdb", 100));
  EXPECT_EQ(app.s().Conn.Path(), app.DbPath().string());
  EXPECT_EQ(Main(app).grdCal.TextMatrix(AdamRow, 2), "U");
}

// Said with the system's description; the dialog closes and the program keeps the settings.
TEST(OptionsDialog, ASettingsFileThatCannotBeWrittenIsReported) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  std::filesystem::remove(mv::SettingsFilePath(app.Folder()));
  std::filesystem::create_directory(mv::SettingsFilePath(app.Folder()));
  mv::frmOptionen& o = OpenOptions(app);
  o.chk_ShowWeekend.UserClick();
  app.platform.ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) {
        return r.Prompt.find("settings.dat") != std::string::npos &&
               r.Prompt.find("nicht gespeichert") != std::string::npos;
      },
      forms::vbOK);
  o.cmd_Close.UserClick();
  EXPECT_FALSE(o.Visible());
  EXPECT_TRUE(k.Enabled());
  EXPECT_EQ(BackAt(k.grdCal, AdamRow, 5), White);
}

}  // namespace
