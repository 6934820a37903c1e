// The program on the Qt platform: started on a fresh database, it shows the login window, and a
// login typed and clicked on the real widgets reaches the main window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "QtProgram.h"

namespace {

using mvtest::QtProgram;

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
  WhenTheNoteDialogWaits(main, [this, &dialogWorked](mv::frmNotiz& dialog) {
    auto* note = static_cast<QComboBox*>(platform.WidgetOf(dialog.cmb_Note));
    QTest::mouseClick(note, Qt::LeftButton);
    QTest::keyClicks(note, QStringLiteral("Kur in Bad Ems"));
    QTest::mouseClick(static_cast<QPushButton*>(platform.WidgetOf(dialog.cmdSave)), Qt::LeftButton);
    dialogWorked = true;
  });
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
  EXPECT_EQ(platform.Shown()[1].Text,
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
