// The options dialog, the about box and the print manager as real windows: the pictures drawn in
// them, the colour and font dialogs opening on the current settings, a batch printed to PDF files.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFontDialog>
#include <QListWidget>
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
  program->s.Settings.HolidayColor = 0x80FF80;
  program->s.Settings.CalendarFont = "DejaVu Sans";
  Shortcut(Qt::Key_E);
  mv::frmOptionen& options = *program->overview.frmOptionen.IfLoaded();
  // Black over red over gold, and the union flag's red cross in the middle.
  EXPECT_EQ(Drawn(options, options.imgDeutsch, {160, 30}), QColor(Qt::black));
  EXPECT_EQ(Drawn(options, options.imgDeutsch, {160, 170}), QColor(0xFF, 0xCE, 0x00));
  EXPECT_EQ(Drawn(options, options.imgEnglish, {160, 100}), QColor(0xC8, 0x10, 0x2E));
  mvtest::SaveArtifact(Window(options), "options");

  QStringList shown;
  platform.SetModalHook([&](QWidget& modal) {
    if (auto* colours = qobject_cast<QColorDialog*>(&modal))
      shown << colours->currentColor().name();
    if (auto* fonts = qobject_cast<QFontDialog*>(&modal)) shown << fonts->currentFont().family();
    static_cast<QDialog&>(modal).reject();
  });
  Click(options.cmd_Color(1));
  Click(options.cmd_Font);
  EXPECT_EQ(shown, QStringList({QStringLiteral("#80ff80"), QStringLiteral("DejaVu Sans")}));
  Click(options.imgEnglish);
  EXPECT_EQ(Window(options).windowTitle(), QStringLiteral("Settings"));
}

TEST_F(QtOverview, TheAboutBoxShowsItsPicture) {
  Shortcut(Qt::Key_I);
  mv::frmInfo& about = *program->overview.frmInfo.IfLoaded();
  // The navy band of the calendar sheet in the picture.
  EXPECT_EQ(Drawn(about, about.Image1, {100, 60}), QColor(0x00, 0x00, 0x80));
  mvtest::SaveArtifact(Window(about), "about");
  Click(about.cmd_Close);
  EXPECT_TRUE(main->Enabled());
}

// Without a printer each page is a PDF file in prints/, and the status line names the folder.
TEST_F(QtOverview, APrintManagerBatchWritesOnePdfFilePerPage) {
  platform.SetPrintToPdf(true);
  Shortcut(Qt::Key_D);
  mv::frmDrucken& manager = *program->overview.frmDrucken.IfLoaded();
  for (forms::ListBox* list : {&manager.lstTeams, &manager.lstMonate}) {
    auto* view = static_cast<QListWidget*>(platform.WidgetOf(*list));
    for (int row : {0, 1})
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                        view->visualItemRect(view->item(row)).center());
  }
  mvtest::SaveArtifact(Window(manager), "print_manager");
  Click(manager.cmd_Print);
  const std::filesystem::path prints = database.Folder() / "prints";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prints), {}), 4);
  EXPECT_EQ(main->lbl_Status.Caption(), program->s.T(123) + " - " + prints.string());
  Click(manager.cmd_Close);
  mvtest::SaveArtifact(Window(*main), "print_manager_last_page");
}

}  // namespace
