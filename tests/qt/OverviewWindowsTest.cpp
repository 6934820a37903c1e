// The annual overview, the options dialog, the about box and the print manager as real windows:
// tabs, frames, day colours and the wait display; the pictures drawn; the colour and font dialogs
// opening on the current settings; a batch printed to PDF files. Screenshots kept as artifacts.
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <filesystem>

#include "QtProgram.h"
#include "overview/frmDrucken.h"
#include "overview/frmInfo.h"
#include "overview/frmJahresansicht.h"
#include "overview/frmOptionen.h"

namespace {

// Max Muster's main window (an administrator) on two teams, the program's pictures in its folder;
// Max (row 5) has approved vacation on 2 to 4 January of the real clock's year.
class QtOverview : public mvtest::QtProgram {
 protected:
  QtOverview() {
    database.AddTeam(1, "Einkauf");
    for (int day = 2; day <= 4; ++day)
      database.AddEntry(1, db::Date(platform.Now().Year, 1, day), "U/");
    std::filesystem::copy(MV_PICTURES_DIR, database.Folder() / "pictures");
    LogIn();
  }

  // The colour drawn at a point of a control, as the window shows it.
  QColor Drawn(const forms::Form& form, const forms::Control& control, QPoint at) {
    QWidget* widget = platform.WidgetOf(control);
    return Window(form).grab().toImage().pixelColor(widget->mapTo(&Window(form), at));
  }
};

TEST_F(QtOverview, TheAnnualOverviewShowsTabsFramesDayCellsAndTheWaitDisplay) {
  Shortcut(Qt::Key_J);
  mv::frmJahresansicht& y = program->overview.frmJahresansicht.Get();
  QWidget& window = Window(y);
  ASSERT_TRUE(window.isVisible());
  EXPECT_FALSE(Main().Enabled());

  auto* tabs = platform.WidgetOf(y.tabStats)->findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->count(), 5);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Jahresurlaub"));
  EXPECT_EQ(tabs->currentIndex(), 0);
  const QRect page = platform.WidgetOf(y.tabStats)->geometry().adjusted(0, tabs->height(), 0, 0);
  EXPECT_TRUE(page.contains(platform.WidgetOf(y.fmUrlaub)->geometry()));
  EXPECT_TRUE(platform.WidgetOf(y.fmUrlaub)->isVisible());
  EXPECT_FALSE(platform.WidgetOf(y.fmKrank)->isVisible());
  EXPECT_EQ(static_cast<QLabel*>(platform.WidgetOf(y.lbl_AnzUverplant))->text(),
            QStringLiteral("3"));
  EXPECT_FALSE(platform.WidgetOf(y.fmProgress)->isVisible());
  const QPoint day3((y.grdYear.ColPos(3) + 150) / 15, (y.grdYear.RowPos(5) + 120) / 15);
  EXPECT_EQ(Viewport(y.grdYear).grab().toImage().pixelColor(day3), QColor(0, 255, 0));
  mvtest::SaveArtifact(window, "annual_overview");

  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
  EXPECT_EQ(y.tabStats.SelectedIndex(), 4);
  EXPECT_TRUE(platform.WidgetOf(y.fmDienstreise)->isVisible());
  EXPECT_FALSE(platform.WidgetOf(y.fmUrlaub)->isVisible());

  // The wait display as a build shows it, held at 40 of 100.
  y.prg_Wait.SetMax(100);
  y.prg_Wait.SetValue(40);
  y.fmProgress.SetVisible(true);
  mvtest::Pump();
  auto* bar = static_cast<QProgressBar*>(platform.WidgetOf(y.prg_Wait));
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->value() * 10, bar->maximum() * 4);
  mvtest::SaveArtifact(window, "annual_overview_wait");
  y.fmProgress.SetVisible(false);
}

// Where Arial is not installed, the font dialog opens on the font standing in for it, and that
// font taken unchanged keeps the setting's name. Qt's dialogs speak the program's language.
TEST_F(QtOverview, TheOptionsDialogShowsBothFlagsAndOpensItsDialogsOnTheCurrentSettings) {
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
  mvtest::SaveArtifact(Window(options), "options");

  QStringList shown;
  QStringList cancel;
  platform.SetModalHook([&](QWidget& modal) {
    if (auto* colours = qobject_cast<QColorDialog*>(&modal)) {
      shown << colours->currentColor().name();
      cancel << colours->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
      colours->reject();
    } else if (auto* fonts = qobject_cast<QFontDialog*>(&modal)) {
      shown << fonts->currentFont().family();
      fonts->accept();
    }
  });
  Click(options.cmd_Color(1));
  Click(options.cmd_Font);
  EXPECT_EQ(program->s.Settings.CalendarFont, "Arial");
  EXPECT_EQ(options.cmd_Font.Caption(), "Arial");
  program->s.Settings.CalendarFont = "DejaVu Sans";
  Click(options.cmd_Font);
  EXPECT_EQ(shown, QStringList({QStringLiteral("#80ff80"), arial, QStringLiteral("DejaVu Sans")}));
  Click(options.imgEnglish);
  EXPECT_EQ(Window(options).windowTitle(), QStringLiteral("Settings"));
  Click(options.cmd_Color(0));
  EXPECT_EQ(cancel, QStringList({QStringLiteral("Abbrechen"), QStringLiteral("Cancel")}));
}

TEST_F(QtOverview, TheAboutBoxShowsItsPicture) {
  Shortcut(Qt::Key_I);
  mv::frmInfo& about = *program->overview.frmInfo.IfLoaded();
  // The navy band of the calendar sheet in the picture.
  EXPECT_EQ(Drawn(about, about.Image1, {100, 60}), QColor(0x00, 0x00, 0x80));
  mvtest::SaveArtifact(Window(about), "about");
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
  mvtest::SaveArtifact(Window(manager), "print_manager");
  Key(Qt::Key_Return);
  const std::filesystem::path prints = database.Folder() / "prints";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prints), {}), 4);
  EXPECT_EQ(Main().lbl_Status.Caption(), program->s.T(123) + " - " + prints.string());
  Click(manager.cmd_Close);
  mvtest::SaveArtifact(Window(Main()), "print_manager_last_page");
}

}  // namespace
