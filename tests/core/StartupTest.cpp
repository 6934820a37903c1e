// Start-up through mv::Main: settings, texts, the database and its fallback, the login window.
#include "CoreTestSupport.h"

namespace {

namespace fs = std::filesystem;
using coretest::Program;
using coretest::Settings;
using coretest::Text149;

class Startup : public Program {};

TEST_F(Startup, AConfiguredDatabaseOpensWithoutAMessageAfterTheSettingsAndRandomNumbersAreSetUp) {
  const fs::path other = app.Folder() / "Daten" / "Firma.mdb";
  fs::create_directories(other.parent_path());
  fs::copy_file(app.DbPath(), other);
  mv::SettingsRecord record = Settings(2, other.string(), -1);
  app.WriteSettings(record);
  s().ZoomLevel = 2;
  s().SortOrder = "DESC";
  platform().SetNow({2026, 3, 2, 8, 15, 30});

  EXPECT_EQ(app.StartProgram(), 0);

  EXPECT_TRUE(platform().MessageBoxes().empty());
  EXPECT_EQ(s().Conn.Path(), other.string());
  // As stored: the path keeps the blanks that pad it to 100 characters, which the opening ignored.
  record.DatabasePath += std::string(100 - other.string().size(), ' ');
  EXPECT_EQ(s().Settings, record);
  EXPECT_EQ(std::tuple(s().ZoomLevel, s().SortOrder), std::tuple(0, std::string("ASC")));
  // The random numbers are seeded from the time of day.
  forms::Random expected;
  expected.Randomize(8 * 3600 + 15 * 60 + 30);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(s().rt.Rnd(), expected.Rnd());
}

// No settings.dat (a first start), a folder in its place, or a configured file that is no
// database: text 149, and the program runs on the local file. A missing settings.dat is created
// empty; the local path and the first-start values (German, Arial) are kept in memory only.
TEST(StartupFallback, WithoutUsableSettingsOrDatabaseTheProgramRunsOnTheLocalFile) {
  for (int scene = 0; scene < 3; ++scene) {
    SCOPED_TRACE(scene);
    mvtest::TestApp app;
    const fs::path file = mv::SettingsFilePath(app.Folder());
    const int language = scene == 2 ? 2 : 1;
    if (scene == 1) {
      fs::create_directory(file);
      app.ExpectBoxNaming("Morvellan startet mit den Grundeinstellungen.");
    }
    if (scene == 2) {
      const fs::path notes = app.Folder() / "notizen.mdb";
      std::ofstream(notes) << "Das ist keine Datenbank, nur ein Text.\n";
      app.WriteSettings(Settings(language, notes.string()));
    }
    const auto settingsBefore = coretest::FileBytes(file);
    app.platform.ExpectMessageBox(Text149(language, app.Folder()), forms::vbOK);

    EXPECT_EQ(app.StartProgram(), 0);

    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
    EXPECT_EQ(app.platform.MessageBoxes().back().Request.Buttons, forms::vbOKOnly);
    EXPECT_EQ(app.s().Conn.Path(), app.DbPath().string());
    EXPECT_EQ(app.s().Settings.DatabasePath, app.DbPath().string());
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(coretest::FileBytes(file), settingsBefore);
    EXPECT_EQ(app.s().Settings.CalendarFont, scene == 2 ? "Verdana" : "Arial");
    ASSERT_NE(app.LoginWindow(), nullptr);
    EXPECT_EQ(app.LoginWindow()->Caption(), app.s().Texts(86, language));
  }
}

// A missing configured path, a first start, and a configured path that is the missing local file:
// the program ends with the database layer's message and creates no database.
TEST(StartupFallback, WhenTheLocalFileIsMissingTooTheProgramEndsWithTheDatabaseMessage) {
  for (int scene = 0; scene < 3; ++scene) {
    SCOPED_TRACE(scene);
    mvtest::TestApp app;
    const int language = scene == 2 ? 2 : 1;
    if (scene != 1)
      app.WriteSettings(Settings(
          language, scene == 0 ? "/kein/solcher/ordner/Firma.mdb" : app.DbPath().string()));
    fs::remove(app.DbPath());
    app.platform.ExpectMessageBox(Text149(language, app.Folder()), forms::vbOK);
    app.ExpectBoxNaming(app.DbPath().string() + " was not found");

    EXPECT_EQ(app.StartProgram(), mv::ExitDatabaseUnavailable);

    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
    EXPECT_EQ(app.platform.ExitCode(), mv::ExitDatabaseUnavailable);
    EXPECT_TRUE(app.s().rt.Windows().VisibleForms().empty());
    EXPECT_FALSE(fs::exists(app.DbPath()));
  }
}

TEST_F(Startup, ADatabaseWithoutLoginTableIsReportedAndTheProgramEndsInsteadOfCrashing) {
  const fs::path partial = app.Folder() / "Teil.mdb";
  db::CreateDatabaseFile(partial.string(), "CREATE TABLE tbl_Teams (TeamNr INTEGER);");
  app.WriteSettings(Settings(1, partial.string()));
  app.ExpectBoxNaming("tbl_User");

  EXPECT_EQ(app.StartProgram(), mv::ExitLoginWindowFailed);

  EXPECT_EQ(platform().ExitCode(), mv::ExitLoginWindowFailed);
  EXPECT_TRUE(s().rt.Windows().VisibleForms().empty());
}

}  // namespace
