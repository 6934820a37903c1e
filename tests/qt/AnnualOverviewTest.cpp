// The annual overview on the Qt platform: opened by its shortcut on the real main window, its tab
// strip shows the vacation figures on the first tab and another frame for each tab clicked, day
// cells show their state colours, the wait display shows its progress, and Close hands the main
// window back.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "QtTestSupport.h"
#include "calendar/frmKalender.h"
#include "core/Main.h"
#include "overview/frmJahresansicht.h"
#include "support/TestApp.h"

namespace {

class QtAnnualOverview : public testing::Test {
 protected:
  // Max Muster (row 5) has approved vacation on 2 to 4 January of the real clock's year.
  QtAnnualOverview() {
    database.AddTeam(0, "Vertrieb");
    database.AddEmployee(1, "Muster", "Max", 0, 20);
    database.AddEmployee(2, "Beispiel", "Erika", 0, 25);
    for (int day = 2; day <= 4; ++day) database.AddEntry(1, db::Date(Year(), 1, day), "U/");
    platform.SetProgramFolder(database.Folder());
    program = std::make_unique<mv::Program>(platform);
    platform.Attach(program->s.rt);
    mv::State& s = program->s;
    mv::LoadSettingsAndTexts(s);
    s.Conn.Open(db::JetConnectionString(database.DbPath().string()));
    s.UserGroup = mv::GroupAdmin;
    s.CurrentUserName = "Muster, Max";
    main = &program->calendar.frmKalender.Get();
    mvtest::Pump();
  }
  ~QtAnnualOverview() override { program.reset(); }

  int Year() const { return platform.Now().Year; }
  QWidget* Widget(const forms::Control& control) { return platform.WidgetOf(control); }

  mvtest::AnsweringPlatform platform;
  mvtest::TestApp database;
  std::unique_ptr<mv::Program> program;
  mv::frmKalender* main = nullptr;
};

TEST_F(QtAnnualOverview, TabsFramesDayCellsAndTheWaitDisplayShowOnScreen) {
  QTest::keyClick(platform.WindowOf(*main), Qt::Key_J, Qt::ControlModifier);
  mvtest::Pump();
  mv::frmJahresansicht& y = program->overview.frmJahresansicht.Get();
  QWidget* window = platform.WindowOf(y);
  ASSERT_TRUE(window && window->isVisible());
  EXPECT_FALSE(main->Enabled());

  auto* tabs = Widget(y.tabStats)->findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->count(), 5);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Jahresurlaub"));
  EXPECT_EQ(tabs->currentIndex(), 0);
  const QRect page = Widget(y.tabStats)->geometry().adjusted(0, tabs->height(), 0, 0);
  EXPECT_TRUE(page.contains(Widget(y.fmUrlaub)->geometry()));
  EXPECT_TRUE(Widget(y.fmUrlaub)->isVisible());
  EXPECT_FALSE(Widget(y.fmKrank)->isVisible());
  EXPECT_EQ(static_cast<QLabel*>(Widget(y.lbl_AnzUverplant))->text(), QStringLiteral("3"));
  EXPECT_FALSE(Widget(y.fmProgress)->isVisible());

  const QImage cells =
      static_cast<QAbstractScrollArea*>(Widget(y.grdYear))->viewport()->grab().toImage();
  const forms::Grid& g = y.grdYear;
  const QPoint day3((g.ColPos(3) + 150) / 15, (g.RowPos(5) + 120) / 15);  // Muster
  EXPECT_EQ(cells.pixelColor(day3), QColor(0, 255, 0));
  mvtest::SaveArtifact(*window, "annual_overview");

  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
  EXPECT_EQ(y.tabStats.SelectedIndex(), 4);
  EXPECT_TRUE(Widget(y.fmDienstreise)->isVisible());
  EXPECT_FALSE(Widget(y.fmUrlaub)->isVisible());

  // The wait display as a build shows it, held at 40 of 100.
  y.prg_Wait.SetMax(100);
  y.prg_Wait.SetValue(40);
  y.fmProgress.SetVisible(true);
  mvtest::Pump();
  auto* bar = static_cast<QProgressBar*>(Widget(y.prg_Wait));
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->value() * 10, bar->maximum() * 4);
  mvtest::SaveArtifact(*window, "annual_overview_wait");
  y.fmProgress.SetVisible(false);

  QTest::mouseClick(static_cast<QPushButton*>(Widget(y.cmd_Close)), Qt::LeftButton);
  mvtest::Pump();
  EXPECT_FALSE(program->overview.frmJahresansicht.IsLoaded());
  EXPECT_TRUE(main->Enabled() && main->IsActive());
}

}  // namespace
