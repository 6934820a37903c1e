// Start-up through mv::Main, its settings, texts and the database
// fallback.
#include "CoreTestSupport.h"

namespace {

namespace fs = std::filesystem;
using coretest::Program;
using coretest::Settings;
using coretest::Text149;

class Startup : public Program {};

TEST_F(Startup, AConfiguredDatabaseOpensWithoutAMessageAndTheLoginWindowIsShown) {
  const fs::path other = app.Folder() / "Daten" / "Firma.mdb";
  app.CreateDatabase(other);
  app.WriteSettings(Settings(1, other.string()));

  EXPECT_EQ(app.StartProgram(), 0);

  EXPECT_TRUE(platform().MessageBoxes().empty());
  EXPECT_TRUE(s().Conn.IsOpen());
  EXPECT_EQ(s().Conn.Path(), other.string());
  EXPECT_FALSE(s().rt.Ended());
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
  EXPECT_EQ(s().rt.Windows().ActiveForm(), Login());
  EXPECT_TRUE(s().RsUser.IsOpen());
  // The settings as stored (the path with its padding), nothing written back.
  EXPECT_EQ(s().Language(), 1);
  EXPECT_EQ(s().Settings.CalendarFont, "Verdana");
  EXPECT_EQ(s().Settings.DatabasePath, other.string() + std::string(100 - other.string().size(), ' '));
}

TEST_F(Startup, TheLoginChecksTheConfiguredDatabaseNotTheLocalOne) {
  const fs::path other = app.Folder() / "Daten" / "Firma.mdb";
  app.CreateDatabase(other);
  {
    db::Connection conn;
    conn.Open(db::JetConnectionString(other.string()));
    conn.ExecuteNative(
        "INSERT INTO tbl_Teams (TeamNr, TeamName, MaxAbw) VALUES (0, 'Zentrale', 30);"
        "INSERT INTO tbl_Mitarbeiter (PersNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage) "
        "VALUES (77, 'Zeller', 'Zora', '*', '*', 0, 30);"
        "INSERT INTO tbl_User (PersNr, LoginID, Passwort, Gruppe) VALUES (77, 'zora', 'zz', 1);");
  }
  app.WriteSettings(Settings(1, other.string()));
  ASSERT_EQ(app.StartProgram(), 0);

  ASSERT_NE(app.LoginAs("zora", "zz"), nullptr);
  EXPECT_EQ(s().CurrentUserName, "Zeller, Zora");
}

TEST_F(Startup, AMissingPathShowsText149InGermanAndRunsOnTheLocalFile) {
  app.WriteSettings(Settings(1, "/kein/solcher/ordner/Firma.mdb"));
  const auto before = coretest::FileBytes(mv::SettingsFilePath(app.Folder()));
  platform().ExpectMessageBox(Text149(1, app.Folder()), forms::vbOK);

  EXPECT_EQ(app.StartProgram(), 0);

  ASSERT_EQ(platform().MessageBoxes().size(), 1u);
  const auto& box = platform().MessageBoxes()[0].Request;
  EXPECT_EQ(box.Prompt,
            "Pfad zur Datenbank wurde nicht gefunden!\rVerwende lokale Datenbank:\r" + app.DbPath().string());
  EXPECT_EQ(box.Buttons, forms::vbOKOnly);
  EXPECT_EQ(box.Title, "Morvellan");
  EXPECT_EQ(s().Conn.Path(), app.DbPath().string());
  // In memory the local path; settings.dat keeps the old one.
  EXPECT_EQ(s().Settings.DatabasePath, app.DbPath().string());
  EXPECT_EQ(coretest::FileBytes(mv::SettingsFilePath(app.Folder())), before);
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
}

TEST_F(Startup, AMissingPathShowsText149InEnglishWhenSettingsSayEnglish) {
  app.WriteSettings(Settings(2, "/kein/solcher/ordner/Firma.mdb"));
  platform().ExpectMessageBox(Text149(2, app.Folder()), forms::vbOK);

  EXPECT_EQ(app.StartProgram(), 0);

  ASSERT_EQ(platform().MessageBoxes().size(), 1u);
  EXPECT_EQ(platform().MessageBoxes()[0].Request.Prompt,
            "Cannot find database path!\rUse local file:\r" + app.DbPath().string());
  EXPECT_EQ(platform().MessageBoxes()[0].Request.Title, "Morvellan");
  EXPECT_EQ(s().Conn.Path(), app.DbPath().string());
  ASSERT_NE(Login(), nullptr);
  EXPECT_EQ(Login()->Caption(), "Program login");
}

TEST_F(Startup, AFirstStartRunsInGermanWithArialOnTheLocalFileAndWritesNothing) {
  ASSERT_FALSE(fs::exists(mv::SettingsFilePath(app.Folder())));
  platform().ExpectMessageBox(Text149(1, app.Folder()), forms::vbOK);

  EXPECT_EQ(app.StartProgram(), 0);

  EXPECT_EQ(platform().MessageBoxes().size(), 1u);
  EXPECT_EQ(s().Language(), mv::LanguageGerman);
  EXPECT_EQ(s().Settings.CalendarFont, "Arial");
  EXPECT_EQ(s().Settings.MaskPassword, 0);
  EXPECT_EQ(s().Settings.DatabasePath, app.DbPath().string());
  EXPECT_EQ(s().Conn.Path(), app.DbPath().string());
  // The reading created the file, empty; the defaults are not written into it.
  ASSERT_TRUE(fs::exists(mv::SettingsFilePath(app.Folder())));
  EXPECT_EQ(fs::file_size(mv::SettingsFilePath(app.Folder())), 0u);
  ASSERT_NE(Login(), nullptr);
  EXPECT_EQ(Login()->Caption(), "Programm Anmeldung");
}

TEST_F(Startup, AFileThatIsNoDatabaseIsTreatedLikeAMissingOne) {
  const fs::path text = app.Folder() / "notizen.mdb";
  std::ofstream(text) << "Das ist keine Datenbank, nur ein Text.\n";
  app.WriteSettings(Settings(1, text.string()));
  platform().ExpectMessageBox(Text149(1, app.Folder()), forms::vbOK);

  EXPECT_EQ(app.StartProgram(), 0);

  EXPECT_EQ(platform().MessageBoxes().size(), 1u);
  EXPECT_EQ(s().Conn.Path(), app.DbPath().string());
  ASSERT_NE(Login(), nullptr);
}

TEST_F(Startup, APathWithTrailingBlanksOpensTheSameFileWithoutText149) {
  const fs::path other = app.Folder() / "Daten" / "Firma.mdb";
  app.CreateDatabase(other);
  // The bytes as the original program stores them: the path padded with blanks to 100 characters.
  mv::SettingsBytes bytes{};
  bytes[0] = 1;
  const std::string padded = other.string() + std::string(100 - other.string().size(), ' ');
  std::copy(padded.begin(), padded.end(), bytes.begin() + 67);
  std::ofstream(mv::SettingsFilePath(app.Folder()), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  EXPECT_EQ(app.StartProgram(), 0);

  EXPECT_TRUE(platform().MessageBoxes().empty());
  EXPECT_EQ(s().Settings.DatabasePath, padded);
  EXPECT_EQ(s().Conn.Path(), other.string());
  ASSERT_NE(Login(), nullptr);
}

TEST_F(Startup, WhenTheLocalFileIsMissingTooTheProgramEndsWithTheDatabaseMessage) {
  fs::remove(app.DbPath());
  app.WriteSettings(Settings(1, "/kein/solcher/ordner/Firma.mdb"));
  const std::string failure = coretest::OpenFailure(app.DbPath().string());
  platform().ExpectMessageBox(Text149(1, app.Folder()), forms::vbOK);
  platform().ExpectMessageBox(failure, forms::vbOK);

  const int status = app.StartProgram();

  EXPECT_NE(status, 0);
  EXPECT_EQ(status, mv::ExitDatabaseUnavailable);
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  ASSERT_EQ(platform().MessageBoxes().size(), 2u);
  EXPECT_EQ(platform().MessageBoxes()[1].Request.Buttons, forms::vbOKOnly);
  EXPECT_EQ(platform().MessageBoxes()[1].Request.Title, "Morvellan");
  EXPECT_TRUE(platform().ProgramEnded());
  EXPECT_EQ(platform().ExitCode(), status);
  EXPECT_TRUE(s().rt.Ended());
  EXPECT_FALSE(s().Conn.IsOpen());
  EXPECT_EQ(Login(), nullptr);
  EXPECT_TRUE(s().rt.Windows().VisibleForms().empty());
  // Nothing of the database was created.
  EXPECT_FALSE(fs::exists(app.DbPath()));
}

TEST_F(Startup, AFirstStartWithoutAnyDatabaseEndsTheSameWay) {
  fs::remove(app.DbPath());
  platform().ExpectMessageBox(Text149(1, app.Folder()), forms::vbOK);
  platform().ExpectMessageBox(coretest::OpenFailure(app.DbPath().string()), forms::vbOK);

  EXPECT_EQ(app.StartProgram(), mv::ExitDatabaseUnavailable);

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_TRUE(platform().ProgramEnded());
  EXPECT_EQ(Login(), nullptr);
}

TEST_F(Startup, AConfiguredPathThatIsTheMissingLocalFileFailsTwiceAndEnds) {
  app.WriteSettings(Settings(2, app.DbPath().string()));
  fs::remove(app.DbPath());
  platform().ExpectMessageBox(Text149(2, app.Folder()), forms::vbOK);
  platform().ExpectMessageBox(coretest::OpenFailure(app.DbPath().string()), forms::vbOK);

  EXPECT_EQ(app.StartProgram(), mv::ExitDatabaseUnavailable);

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(platform().ExitCode(), mv::ExitDatabaseUnavailable);
  EXPECT_EQ(Login(), nullptr);
}

TEST_F(Startup, AnUnreadableSettingsFileIsReportedAndTheFirstStartValuesAreUsed) {
  // A folder in the place of the file: it can be neither read nor replaced.
  fs::create_directory(mv::SettingsFilePath(app.Folder()));
  platform().ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) {
        return r.Prompt.find("settings.dat") != std::string::npos &&
               r.Prompt.find("Morvellan startet mit den Grundeinstellungen.") != std::string::npos;
      },
      forms::vbOK);
  platform().ExpectMessageBox(Text149(1, app.Folder()), forms::vbOK);

  EXPECT_EQ(app.StartProgram(), 0);

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  ASSERT_EQ(platform().MessageBoxes().size(), 2u);
  EXPECT_EQ(platform().MessageBoxes()[0].Request.Buttons, forms::vbOKOnly);
  EXPECT_EQ(platform().MessageBoxes()[0].Request.Title, "Morvellan");
  EXPECT_EQ(s().Language(), mv::LanguageGerman);
  EXPECT_EQ(s().Settings.CalendarFont, "Arial");
  EXPECT_EQ(s().Conn.Path(), app.DbPath().string());
  EXPECT_TRUE(fs::is_directory(mv::SettingsFilePath(app.Folder())));
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
}

TEST_F(Startup, ASettingsFileThatCannotBeCreatedIsReportedAndTheProgramGoesOn) {
  // A link into a folder that does not exist: there is no file, and none can be made.
  fs::create_symlink(app.Folder() / "fehlt" / "settings.dat", mv::SettingsFilePath(app.Folder()));
  platform().ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) {
        return r.Prompt.find("settings.dat") != std::string::npos &&
               r.Prompt.find("Grundeinstellungen") != std::string::npos;
      },
      forms::vbOK);
  platform().ExpectMessageBox(Text149(1, app.Folder()), forms::vbOK);

  EXPECT_EQ(app.StartProgram(), 0);

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(s().Language(), mv::LanguageGerman);
  ASSERT_NE(Login(), nullptr);
}

TEST_F(Startup, ADatabaseWithoutLoginTableIsReportedAndTheProgramEndsInsteadOfCrashing) {
  const fs::path partial = app.Folder() / "Teil.mdb";
  db::CreateDatabaseFile(partial.string(),
                         "CREATE TABLE tbl_Teams (TeamNr INTEGER, TeamName TEXT, MaxAbw INTEGER);");
  app.WriteSettings(Settings(1, partial.string()));
  std::string failure;
  {
    db::Connection conn;
    conn.Open(db::JetConnectionString(partial.string()));
    db::Recordset rs;
    try {
      rs.Open("tbl_User", conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
    } catch (const db::Error& e) {
      failure = e.what();
    }
  }
  ASSERT_FALSE(failure.empty());
  platform().ExpectMessageBox(failure, forms::vbOK);

  const int status = app.StartProgram();

  EXPECT_EQ(status, mv::ExitLoginWindowFailed);
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(platform().MessageBoxes().size(), 1u);
  EXPECT_TRUE(platform().ProgramEnded());
  EXPECT_EQ(platform().ExitCode(), mv::ExitLoginWindowFailed);
  EXPECT_EQ(Login(), nullptr);
  EXPECT_TRUE(s().rt.Windows().VisibleForms().empty());
  EXPECT_FALSE(s().RsUser.IsOpen());
}

TEST_F(Startup, ZoomAndRowOrderStartAtZeroAndAscending) {
  s().ZoomLevel = 2;
  s().SortOrder = "DESC";
  app.WriteSettings(Settings(1, app.DbPath().string()));

  EXPECT_EQ(app.StartProgram(), 0);

  EXPECT_EQ(s().ZoomLevel, 0);
  EXPECT_EQ(s().SortOrder, "ASC");
}

TEST_F(Startup, TheSettingsAreTakenOverFieldByField) {
  mv::SettingsRecord record = Settings(2, app.DbPath().string(), -1);
  record.HighlightWeekend = -1;
  record.NotifyDependencies = -1;
  record.WeekendColor = 0x00C0C0FF;
  record.HolidayColor = 0x0080FF80;
  record.CalendarFont = "Courier New";
  app.WriteSettings(record);

  ASSERT_EQ(app.StartProgram(), 0);

  EXPECT_EQ(s().Settings.Language, 2);
  EXPECT_EQ(s().Settings.MaskPassword, -1);
  EXPECT_EQ(s().Settings.HighlightWeekend, -1);
  EXPECT_EQ(s().Settings.HighlightHolidays, 0);
  EXPECT_EQ(s().Settings.NotifyDependencies, -1);
  EXPECT_EQ(s().Settings.WeekendColor, 0x00C0C0FF);
  EXPECT_EQ(s().Settings.HolidayColor, 0x0080FF80);
  EXPECT_EQ(s().Settings.CalendarFont, "Courier New");
  EXPECT_EQ(s().T(1), "January");
}

TEST_F(Startup, TheTextTableIsFilledInBothLanguagesWithText149NamingTheProgramFolder) {
  app.WriteSettings(Settings(1, app.DbPath().string()));
  ASSERT_EQ(app.StartProgram(), 0);

  EXPECT_EQ(s().Texts(86, 1), "Programm Anmeldung");
  EXPECT_EQ(s().Texts(86, 2), "Program login");
  EXPECT_EQ(s().Texts(149, 1), Text149(1, app.Folder()));
  EXPECT_EQ(s().Texts(149, 2), Text149(2, app.Folder()));
}

TEST_F(Startup, TheRandomNumbersAreSeededFromTheTimeOfDay) {
  platform().SetNow({2026, 3, 2, 8, 15, 30});
  app.WriteSettings(Settings(1, app.DbPath().string()));
  ASSERT_EQ(app.StartProgram(), 0);

  forms::Random expected;
  expected.Randomize(8 * 3600 + 15 * 60 + 30);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(s().rt.Rnd(), expected.Rnd());
}

TEST_F(Startup, MainWritesNothingIntoTheDatabase) {
  platform().ExpectMessageBox(Text149(1, app.Folder()), forms::vbOK);
  const auto before = app.Query(
      "SELECT (SELECT count(*) FROM tbl_User), (SELECT count(*) FROM tbl_Mitarbeiter), "
      "(SELECT count(*) FROM tbl_Teams), (SELECT count(*) FROM tbl_Kalender)");

  ASSERT_EQ(app.StartProgram(), 0);

  EXPECT_EQ(app.Query("SELECT (SELECT count(*) FROM tbl_User), (SELECT count(*) FROM tbl_Mitarbeiter), "
                      "(SELECT count(*) FROM tbl_Teams), (SELECT count(*) FROM tbl_Kalender)"),
            before);
}

}  // namespace
