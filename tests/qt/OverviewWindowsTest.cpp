// The options dialog and the about box draw their pictures; the colour and font dialogs open on
// the current settings in the program's language; the print manager prints a batch to PDF files.
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "QtProgram.h"
#include "overview/frmDrucken.h"
#include "overview/frmInfo.h"
#include "overview/frmOptionen.h"

namespace {

// Max Muster's main window (an administrator) on two teams, the program's pictures in its folder.
class QtOverview : public mvtest::QtProgram {
 protected:
  QtOverview() {
    database.AddTeam(1, "Einkauf");
    std::filesystem::copy(MV_PICTURES_DIR, database.Folder() / "pictures");
    LogIn();
  }

  // The colour drawn at a point of a control, as the window shows it.
  QColor Drawn(const forms::Form& form, const forms::Control& control, QPoint at) {
    QWidget* widget = platform.WidgetOf(control);
    return Window(form).grab().toImage().pixelColor(widget->mapTo(&Window(form), at));
  }
};

// Where Arial is not installed, the font dialog opens on the font standing in for it, and that
// font taken unchanged keeps the setting's name. A cancelled colour dialog changes nothing.
TEST_F(QtOverview, TheOptionsAndAboutPicturesShowAndTheDialogsOpenOnTheCurrentSettings) {
  program->s.Settings.HolidayColor = 0x80FF80;
  ASSERT_EQ(program->s.Settings.CalendarFont, "Arial");  // the first start's
  const QString arial = QFontInfo(QFont(QStringLiteral("Arial"))).family();
  ASSERT_TRUE(QFontDatabase::families().contains(arial));
  Shortcut(Qt::Key_E);
  mv::frmOptionen& options = *program->overview.frmOptionen.IfLoaded();
  // Black over red over gold, and the union flag's red cross in the middle.
  EXPECT_EQ(Drawn(options, options.imgDeutsch, {160, 30}), QColor(Qt::black));
  EXPECT_EQ(Drawn(options, options.imgDeutsch, {160, 170}), QColor(0xFF, 0xCE, 0x00));
  EXPECT_EQ(Drawn(options, options.imgEnglish, {160, 100}), QColor(0xC8, 0x10, 0x2E));

  QStringList shown;
  QStringList cancel;
  platform.SetModalHook([&](QWidget& modal) {
    if (auto* colours = qobject_cast<QColorDialog*>(&modal)) {
      shown << colours->currentColor().name();
      cancel << colours->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
      colours->setCurrentColor(QColor(0x12, 0x34, 0x56));
      cancel.size() == 1 ? colours->reject() : colours->accept();
    } else if (auto* fonts = qobject_cast<QFontDialog*>(&modal)) {
      shown << fonts->currentFont().family();
      fonts->accept();
    }
  });
  Click(options.cmd_Color(1));
  EXPECT_EQ(program->s.Settings.HolidayColor, 0x80FF80);
  Click(options.cmd_Font);
  EXPECT_EQ(program->s.Settings.CalendarFont, "Arial");
  EXPECT_EQ(options.cmd_Font.Caption(), "Arial");
  program->s.Settings.CalendarFont = "DejaVu Sans";
  Click(options.cmd_Font);
  Click(options.imgEnglish);
  EXPECT_EQ(Window(options).windowTitle(), QStringLiteral("Settings"));
  Click(options.cmd_Color(1));
  EXPECT_EQ(program->s.Settings.HolidayColor, 0x563412);
  EXPECT_EQ(shown, QStringList({QStringLiteral("#80ff80"), arial, QStringLiteral("DejaVu Sans"),
                                QStringLiteral("#80ff80")}));
  EXPECT_EQ(cancel, QStringList({QStringLiteral("Abbrechen"), QStringLiteral("Cancel")}));
  Click(options.cmd_Close);

  Shortcut(Qt::Key_I);
  mv::frmInfo& about = *program->overview.frmInfo.IfLoaded();
  // The navy band of the calendar sheet in the picture.
  EXPECT_EQ(Drawn(about, about.Image1, {100, 60}), QColor(0x00, 0x00, 0x80));
}

// Without a printer each page is a PDF file in prints/, and the status line names the folder. Enter
// in the list where the last click left the focus prints.
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
  Key(Qt::Key_Return);
  const std::filesystem::path prints = database.Folder() / "prints";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prints), {}), 4);
  EXPECT_EQ(Main().lbl_Status.Caption(), program->s.T(123) + " - " + prints.string());
  Click(manager.cmd_Close);
  mvtest::SaveArtifact(Window(Main()), "print_manager_last_page");
}

}  // namespace
