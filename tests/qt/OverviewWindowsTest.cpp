// The options dialog, the about box and the print manager as real windows: the pictures drawn in
// them, the colour and font dialogs opening on the current settings, a batch printed to PDF files.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFontDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "QtTestSupport.h"
#include "calendar/frmKalender.h"
#include "core/Main.h"
#include "db/Db.h"
#include "overview/frmDrucken.h"
#include "overview/frmInfo.h"
#include "overview/frmOptionen.h"
#include "support/TestApp.h"

namespace {

class QtOverview : public testing::Test {
 protected:
  // An administrator's main window on two teams, the program's pictures in its folder.
  QtOverview() {
    database.AddTeam(0, "Vertrieb");
    database.AddTeam(1, "Einkauf");
    database.AddEmployee(1, "Muster", "Max", 0);
    std::filesystem::copy(MV_PICTURES_DIR, database.Folder() / "pictures");
    platform.SetProgramFolder(database.Folder());
    program = std::make_unique<mv::Program>(platform);
    platform.Attach(program->s.rt);
    mv::LoadSettingsAndTexts(program->s);
    program->s.Conn.Open(db::JetConnectionString(database.DbPath().string()));
    program->s.UserGroup = mv::GroupAdmin;
    main = &program->calendar.frmKalender.Get();
    mvtest::Pump();
  }
  ~QtOverview() override { program.reset(); }

  QWidget& Window(const forms::Form& form) { return *platform.WindowOf(form); }
  void Shortcut(int key) {
    QTest::keyClick(&Window(*main), static_cast<Qt::Key>(key), Qt::ControlModifier);
    mvtest::Pump();
  }
  void Click(const forms::Control& control) {
    QTest::mouseClick(platform.WidgetOf(control), Qt::LeftButton);
    mvtest::Pump();
  }
  // The colour drawn at a point of a control, as the window shows it.
  QColor Drawn(const forms::Form& form, const forms::Control& control, QPoint at) {
    QWidget* widget = platform.WidgetOf(control);
    return Window(form).grab().toImage().pixelColor(widget->mapTo(&Window(form), at));
  }

  mvtest::AnsweringPlatform platform;
  mvtest::TestApp database;
  std::unique_ptr<mv::Program> program;
  mv::frmKalender* main = nullptr;
};

TEST_F(QtOverview, TheOptionsDialogShowsBothFlagsAndOpensItsDialogsOnTheCurrentSettings) {
  Shortcut(Qt::Key_E);
  mv::frmOptionen* options = program->overview.frmOptionen.IfLoaded();
  ASSERT_NE(options, nullptr);
  ASSERT_TRUE(Window(*options).isVisible());
  // Black over red over gold, and the union flag's red cross in the middle.
  EXPECT_EQ(Drawn(*options, options->imgDeutsch, {160, 30}), QColor(Qt::black));
  EXPECT_EQ(Drawn(*options, options->imgDeutsch, {160, 170}), QColor(0xFF, 0xCE, 0x00));
  EXPECT_EQ(Drawn(*options, options->imgEnglish, {160, 100}), QColor(0xC8, 0x10, 0x2E));
  mvtest::SaveArtifact(Window(*options), "options");

  QColor colourShown;
  QString fontShown;
  platform.SetModalHook([&](QWidget& modal) {
    if (auto* colours = qobject_cast<QColorDialog*>(&modal)) colourShown = colours->currentColor();
    if (auto* fonts = qobject_cast<QFontDialog*>(&modal)) fontShown = fonts->currentFont().family();
    static_cast<QDialog&>(modal).reject();
  });
  program->s.Settings.HolidayColor = 0x80FF80;
  program->s.Settings.CalendarFont = "DejaVu Sans";
  options->SetUpAndShow();
  Click(options->cmd_Color(1));
  Click(options->cmd_Font);
  EXPECT_EQ(colourShown, QColor(0x80, 0xFF, 0x80));
  EXPECT_EQ(fontShown, QStringLiteral("DejaVu Sans"));

  QTest::mouseClick(platform.WidgetOf(options->imgEnglish), Qt::LeftButton);
  mvtest::Pump();
  EXPECT_EQ(Window(*options).windowTitle(), QStringLiteral("Settings"));
  EXPECT_EQ(program->calendar.frmKalender.IfLoaded()->mnuOptionen.Caption(), "Settings");
}

TEST_F(QtOverview, TheAboutBoxShowsItsPictureAndTitle) {
  Shortcut(Qt::Key_I);
  mv::frmInfo* about = program->overview.frmInfo.IfLoaded();
  ASSERT_NE(about, nullptr);
  // The sky at the top left corner, the navy band of the calendar sheet below it.
  EXPECT_EQ(Drawn(*about, about->Image1, {2, 2}).blue(), 0xF5);
  EXPECT_EQ(Drawn(*about, about->Image1, {100, 60}), QColor(0x00, 0x00, 0x80));
  mvtest::SaveArtifact(Window(*about), "about");
  Click(about->cmd_Close);
  EXPECT_FALSE(program->overview.frmInfo.IsLoaded());
  EXPECT_TRUE(main->Enabled());
}

// Without a printer each page is a PDF file in prints/, and the status line names the folder.
TEST_F(QtOverview, APrintManagerBatchWritesOnePdfFilePerPage) {
  platform.SetPrintToPdf(true);
  Shortcut(Qt::Key_D);
  mv::frmDrucken* manager = program->overview.frmDrucken.IfLoaded();
  ASSERT_NE(manager, nullptr);
  for (const auto& [list, rows] : {std::pair{&manager->lstTeams, std::vector{0, 1}},
                                   std::pair{&manager->lstMonate, std::vector{2, 3}}}) {
    auto* view = static_cast<QListWidget*>(platform.WidgetOf(*list));
    for (int row : rows)
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                        view->visualItemRect(view->item(row)).center());
  }
  mvtest::SaveArtifact(Window(*manager), "print_manager");
  Click(manager->cmd_Print);

  const std::filesystem::path prints = database.Folder() / "prints";
  int files = 0;
  for (const auto& file : std::filesystem::directory_iterator(prints))
    files += file.path().extension() == ".pdf";
  EXPECT_EQ(files, 4);
  EXPECT_EQ(main->lbl_Status.Caption(), program->s.T(123) + " - " + prints.string());
  EXPECT_EQ(main->cmbTeamAuswahl.Text() + " " + main->cmbMonat.Text(), "Einkauf April");
  Click(manager->cmd_Close);
  mvtest::SaveArtifact(Window(*main), "print_manager_last_page");
}

}  // namespace
