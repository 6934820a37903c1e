// The program on the Qt platform: started on a fresh database, it shows the login window, and a
// login typed and clicked on the real widgets reaches the main window.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "QtTestSupport.h"
#include "calendar/frmKalender.h"
#include "calendar/frmNotiz.h"
#include "core/Main.h"
#include "core/State.h"
#include "core/frmLogin.h"
#include "support/TestApp.h"

namespace {

class QtProgram : public testing::Test {
 protected:
  QtProgram() {
    database.AddTeam(0, "Vertrieb");
    database.AddEmployee(1, "Muster", "Max", 0);
    database.AddEmployee(2, "Beispiel", "Erika", 0);
    database.AddLogin(1, "max", "geheim", mv::GroupAdmin);
    platform.SetProgramFolder(database.Folder());
    program = std::make_unique<mv::Program>(platform);
    platform.Attach(program->s.rt);
  }
  ~QtProgram() override { program.reset(); }

  // Starts the program; the login window shows.
  mv::frmLogin& Start() {
    EXPECT_EQ(program->Start(), 0);
    mvtest::Pump();
    mv::frmLogin* login = program->core.frmLogin.IfLoaded();
    if (!login) throw std::runtime_error("no login window");
    return *login;
  }
  QLineEdit* Edit(const forms::Control& box) {
    return static_cast<QLineEdit*>(platform.WidgetOf(box));
  }
  mv::frmKalender& LogIn() {
    mv::frmLogin& login = Start();
    TypeInto(login.txtID, QStringLiteral("max"));
    TypeInto(login.txtPW, QStringLiteral("geheim"));
    QTest::keyClick(Edit(login.txtPW), Qt::Key_Return);
    mvtest::Pump();
    mv::frmKalender* main = program->calendar.frmKalender.IfLoaded();
    if (!main) throw std::runtime_error("no main window after the login");
    return *main;
  }
  // Mouse input on a cell of the month grid, as it lies on screen.
  void Mouse(mv::frmKalender& main, QEvent::Type type, int row, int col, Qt::MouseButton button,
             Qt::MouseButtons held) {
    const forms::Grid& grid = main.grdCal;
    const QPoint at((grid.ColPos(col) + grid.ColWidth(col) / 2) / 15,
                    (grid.RowPos(row) + grid.RowHeight(row) / 2) / 15);
    QWidget* viewport = static_cast<QAbstractScrollArea*>(platform.WidgetOf(grid))->viewport();
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
  }
  // Types into a box as a person does: click into it, then the keys.
  void TypeInto(const forms::Control& box, const QString& text) {
    QTest::mouseClick(Edit(box), Qt::LeftButton);
    QTest::keyClicks(Edit(box), text);
  }

  mvtest::AnsweringPlatform platform;
  mvtest::TestApp database;
  std::unique_ptr<mv::Program> program;
};

TEST_F(QtProgram, ALoginTypedOnTheLoginWindowReachesTheMainWindow) {
  mv::frmLogin& login = Start();
  // A first start has no settings: the configured path is empty and the local database is used.
  ASSERT_EQ(platform.Shown().size(), 1u);
  EXPECT_TRUE(
      platform.Shown()[0].Text.contains(QString::fromStdString(database.DbPath().string())));
  QWidget* loginWindow = platform.WindowOf(login);
  ASSERT_NE(loginWindow, nullptr);
  EXPECT_TRUE(loginWindow->isVisible());
  mvtest::SaveArtifact(*loginWindow, "login");

  TypeInto(login.txtID, QStringLiteral("max"));
  TypeInto(login.txtPW, QStringLiteral("geheim"));
  EXPECT_EQ(login.txtPW.BackColor(), forms::vbYellow);
  QTest::keyClick(Edit(login.txtPW), Qt::Key_Return);
  mvtest::Pump();

  EXPECT_FALSE(program->core.frmLogin.IsLoaded());
  EXPECT_EQ(platform.Shown().size(), 1u);
  mv::frmKalender* main = program->calendar.frmKalender.IfLoaded();
  ASSERT_NE(main, nullptr);
  QWidget* mainWindow = platform.WindowOf(*main);
  ASSERT_NE(mainWindow, nullptr);
  EXPECT_TRUE(mainWindow->isVisible());
  EXPECT_EQ(mainWindow->windowTitle(), QString::fromStdString(main->Caption()));
}

TEST_F(QtProgram, DaysDraggedOverInTheMonthGridAreEnteredAndF12PrintsTheView) {
  mv::frmKalender& main = LogIn();
  platform.SetPrintToPdf(true);
  const forms::DateTime today = platform.Now();
  // Row 4 is the first member, "Beispiel, Erika"; resting on it makes her the current employee.
  Mouse(main, QEvent::MouseMove, 4, 0, Qt::NoButton, Qt::NoButton);
  Mouse(main, QEvent::MouseButtonPress, 4, 3, Qt::LeftButton, Qt::LeftButton);
  Mouse(main, QEvent::MouseMove, 4, 4, Qt::NoButton, Qt::LeftButton);
  Mouse(main, QEvent::MouseMove, 4, 5, Qt::NoButton, Qt::LeftButton);
  platform.QueueAnswer(QMessageBox::Yes);  // enter the days
  platform.QueueAnswer(QMessageBox::No);   // without a note
  Mouse(main, QEvent::MouseButtonRelease, 4, 5, Qt::LeftButton, Qt::NoButton);
  mvtest::Pump();

  for (int day = 3; day <= 5; ++day)
    EXPECT_EQ(database.EntryOn(2, db::Date(today.Year, today.Month, day)), "U?") << day;
  EXPECT_EQ(database.EntryOn(1, db::Date(today.Year, today.Month, 4)), "");
  EXPECT_EQ(main.grdCal.TextMatrix(4, 4), "U");
  const QImage grid = static_cast<QAbstractScrollArea*>(platform.WidgetOf(main.grdCal))
                          ->viewport()
                          ->grab()
                          .toImage();
  const QPoint cell((main.grdCal.ColPos(4) + 30) / 15, (main.grdCal.RowPos(4) + 30) / 15);
  EXPECT_EQ(grid.pixelColor(cell), QColor(255, 255, 0));
  QWidget* window = platform.WindowOf(main);
  mvtest::SaveArtifact(*window, "main");

  QTest::keyClick(window, Qt::Key_F12);
  const QString status = static_cast<QLabel*>(platform.WidgetOf(main.lbl_Status))->text();
  EXPECT_TRUE(status.contains(QString::fromStdString((database.Folder() / "prints").string())))
      << status.toStdString();
}

TEST_F(QtProgram, ANoteTypedIntoTheNoteDialogWhileTheEntryWaitsIsAttachedToTheDays) {
  mv::frmKalender& main = LogIn();
  const forms::DateTime today = platform.Now();
  Mouse(main, QEvent::MouseMove, 5, 0, Qt::NoButton, Qt::NoButton);  // "Muster, Max"
  Mouse(main, QEvent::MouseButtonPress, 5, 10, Qt::LeftButton, Qt::LeftButton);
  Mouse(main, QEvent::MouseMove, 5, 11, Qt::NoButton, Qt::LeftButton);
  platform.QueueAnswer(QMessageBox::Yes);  // enter the days
  platform.QueueAnswer(
      QMessageBox::Yes);  // with a note: the dialog opens and the entry waits for it
  bool dialogWorked = false;
  QMetaObject::invokeMethod(
      qApp,
      [this, &main, &dialogWorked] {
        mv::frmNotiz* dialog = program->calendar.frmNotiz.IfLoaded();
        if (!dialog || !dialog->Visible() || main.Enabled()) return;
        auto* note = static_cast<QComboBox*>(platform.WidgetOf(dialog->cmb_Note));
        QTest::mouseClick(note, Qt::LeftButton);
        QTest::keyClicks(note, QStringLiteral("Kur in Bad Ems"));
        QTest::mouseClick(static_cast<QPushButton*>(platform.WidgetOf(dialog->cmdSave)),
                          Qt::LeftButton);
        dialogWorked = true;
      },
      Qt::QueuedConnection);
  Mouse(main, QEvent::MouseButtonRelease, 5, 11, Qt::LeftButton, Qt::NoButton);
  mvtest::Pump();

  ASSERT_TRUE(dialogWorked);
  EXPECT_TRUE(main.Enabled());
  EXPECT_FALSE(program->calendar.frmNotiz->Visible());
  const auto notes = database.Query("SELECT LfdNr FROM tbl_Notizen WHERE Text = 'Kur in Bad Ems'");
  ASSERT_EQ(notes.size(), 1u);
  const std::string month = (today.Month < 10 ? "0" : "") + std::to_string(today.Month);
  const auto days =
      database.Query("SELECT Notiz FROM tbl_Kalender WHERE PersNr = 1 AND Datum LIKE '" +
                     std::to_string(today.Year) + "-" + month + "-%'");
  ASSERT_EQ(days.size(), 2u);
  for (const auto& day : days) EXPECT_EQ(day[0], notes[0][0]);
}

TEST_F(QtProgram, LoggingOutByItsShortcutBringsTheLoginWindowBack) {
  mv::frmKalender& main = LogIn();
  QTest::keyClick(platform.WindowOf(main), Qt::Key_L, Qt::ControlModifier);
  mvtest::Pump();
  EXPECT_FALSE(program->calendar.frmKalender.IsLoaded());
  mv::frmLogin* login = program->core.frmLogin.IfLoaded();
  ASSERT_NE(login, nullptr);
  ASSERT_NE(platform.WindowOf(*login), nullptr);
  EXPECT_TRUE(platform.WindowOf(*login)->isVisible());
  EXPECT_FALSE(program->s.rt.Ended());
}

TEST_F(QtProgram, AWrongPasswordIsRefusedInABoxWithTheProgramsTitle) {
  mv::frmLogin& login = Start();
  TypeInto(login.txtID, QStringLiteral("max"));
  TypeInto(login.txtPW, QStringLiteral("GEHEIM"));
  QTest::mouseClick(static_cast<QPushButton*>(platform.WidgetOf(login.cmdOK)), Qt::LeftButton);

  ASSERT_EQ(platform.Shown().size(), 2u);
  EXPECT_EQ(platform.Shown()[1].Title, QStringLiteral("Morvellan"));
  EXPECT_EQ(
      platform.Shown()[1].Text,
      QString::fromStdString(program->s.T(136)).replace(QLatin1Char('\r'), QLatin1Char('\n')));
  EXPECT_TRUE(program->core.frmLogin.IsLoaded());
  EXPECT_TRUE(Edit(login.txtID)->text().isEmpty());
  EXPECT_TRUE(Edit(login.txtPW)->text().isEmpty());
}

TEST_F(QtProgram, CancelOnTheLoginWindowEndsTheProgram) {
  mv::frmLogin& login = Start();
  QTest::mouseClick(static_cast<QPushButton*>(platform.WidgetOf(login.cmdCancel)), Qt::LeftButton);
  EXPECT_TRUE(program->s.rt.Ended());
  EXPECT_EQ(platform.ExitCode(), 0);
}

}  // namespace
