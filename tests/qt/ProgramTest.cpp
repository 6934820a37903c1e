// The program on the Qt platform as an office user meets it: the main window on a 1024x768
// screen, days dragged over in the month grid with the boxes in the program's language, a note
// edited in the middle, printing the view, logging out and ending; the first run.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

#include "QtProgram.h"
#include "calendar/frmNotiz.h"
#include "masterdata/frmMitarbeiter.h"
#include "overview/frmOptionen.h"

namespace {

using mvtest::Outer;
using mvtest::Screen;

class QtProgram : public mvtest::QtProgram {
 protected:
  // Drags over the days `from` to `to` of a month grid row, resting on its name first (that makes
  // its employee the current one); the release asks whether to enter the days.
  void DragOverDays(int row, int from, int to) {
    const forms::Grid& grid = Main().grdCal;
    SendMouse(QEvent::MouseMove, CellCentre(grid, row, 0), Qt::NoButton);
    SendMouse(QEvent::MouseButtonPress, CellCentre(grid, row, from), Qt::LeftButton);
    for (int day = from + 1; day <= to; ++day)
      SendMouse(QEvent::MouseMove, CellCentre(grid, row, day), Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, CellCentre(grid, row, to), Qt::NoButton);
    mvtest::Pump();
  }
  void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    mvtest::SendMouse(Viewport(Main().grdCal), type, at, held);
  }
  // Works the note dialog once it shows while the entry of absences waits for it (the wait runs
  // queued calls); gives up after some turns of the event loop.
  void WhenTheNoteDialogWaits(std::function<void(mv::frmNotiz&)> work, int turns = 50) {
    QMetaObject::invokeMethod(
        &pending_,
        [this, work, turns] {
          mv::frmNotiz* dialog = program->calendar.frmNotiz.IfLoaded();
          if (dialog && dialog->Visible() && !Main().Enabled()) {
            work(*dialog);
          } else if (turns > 0) {
            WhenTheNoteDialogWaits(work, turns - 1);
          }
        },
        Qt::QueuedConnection);
  }
  db::Date Day(int day) { return db::Date(platform.Now().Year, platform.Now().Month, day); }

  QObject pending_;  // queued calls go with the test
};

// Logging out brings the login window back; closing it ends the program as its Cancel does.
TEST_F(QtProgram, ALoginTypedOnTheLoginWindowOpensAMainWindowThatFitsTheScreen) {
  mv::frmKalender& main = LogIn();
  QWidget& window = Window(main);
  EXPECT_TRUE(Screen().contains(Outer(main)));
  // The window manager's close button asks as the menu's Exit does.
  platform.QueueAnswer(QMessageBox::No);
  window.close();
  mvtest::Pump();
  EXPECT_EQ(platform.Shown().back().Text.toStdString(), program->s.T(103));
  EXPECT_TRUE(window.isVisible());

  Shortcut(Qt::Key_L);
  EXPECT_FALSE(program->calendar.frmKalender.IsLoaded());
  ASSERT_NE(program->core.frmLogin.IfLoaded(), nullptr);
  QWidget& login = Window(*program->core.frmLogin.IfLoaded());
  login.close();
  EXPECT_TRUE(program->s.rt.Ended());
}

// The README's run command makes a database with its settings file beside it; the program opens it
// without a warning, and the options show weekends and holidays in light grey and light green.
TEST_F(QtProgram, TheFirstRunOpensTheNewDatabaseWithoutAWarning) {
  QTemporaryDir folder;
  QProcess tool;
  tool.start(QStringLiteral(MV_NEWDB_TOOL),
             {QStringLiteral("--settings"), folder.filePath(QStringLiteral("Morvellan.mdb")),
              QStringLiteral("admin"), QStringLiteral("geheim")});
  ASSERT_TRUE(tool.waitForFinished());
  platform.SetProgramFolder(folder.path().toStdString());
  LogInOn(Start(), QStringLiteral("admin"));
  EXPECT_TRUE(platform.Shown().empty()) << platform.Shown().front().Text.toStdString();
  Shortcut(Qt::Key_E);
  for (const auto& [index, colour] : {std::pair{0, 0xC0C0C0u}, {1, 0x80FF80u}}) {
    const QWidget& button = *platform.WidgetOf(program->overview.frmOptionen->cmd_Color(index));
    EXPECT_EQ(button.palette().color(QPalette::Button), QColor::fromRgb(colour)) << index;
  }
}

// Row 4 is "Beispiel, Erika". Boxes speak the program's language; Enter answers the default button,
// Escape No. A click on the month button and Ctrl+L queued while the entry waits change nothing; a
// press whose release went astray while the card opened (Ctrl+K) is over.
TEST_F(QtProgram, DaysDraggedOverAreEnteredAfterBoxesInTheProgramsLanguageAndF12PrintsTheView) {
  mv::frmKalender& main = LogIn();
  platform.SetPrintToPdf(true);
  platform.QueueKey(Qt::Key_Return);  // enter the days
  platform.QueueKey(Qt::Key_Escape);  // without a note
  platform.LookAtNextBox([&](QMessageBox&) {
    platform.LookAtNextBox([&](QMessageBox& noteQuestion) {
      // Posted as the box goes: the entry's wait is the first to deliver them.
      QObject::connect(&noteQuestion, &QObject::destroyed, [&] {
        QWidget* forward = platform.WidgetOf(main.cmdMonForward);
        const QPoint at = forward->rect().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
          QCoreApplication::postEvent(
              forward,
              new QMouseEvent(type, at, forward->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier));
        QCoreApplication::postEvent(
            &Window(main), new QKeyEvent(QEvent::KeyPress, Qt::Key_L, Qt::ControlModifier));
      });
    });
  });
  DragOverDays(4, 3, 5);
  ASSERT_EQ(program->calendar.frmKalender.IfLoaded(), &main);
  EXPECT_EQ(main.cmbMonat.ListIndex(), platform.Now().Month - 1);
  ASSERT_EQ(platform.Shown().size(), 3u);
  EXPECT_EQ(platform.Shown()[1].ButtonTexts,
            (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
  for (int day = 3; day <= 5; ++day) EXPECT_EQ(database.EntryOn(2, Day(day)), "U?") << day;
  const QPoint cell((main.grdCal.ColPos(4) + 30) / 15, (main.grdCal.RowPos(4) + 30) / 15);
  EXPECT_EQ(Viewport(main.grdCal).grab().toImage().pixelColor(cell), QColor(255, 255, 0));
  QWidget* window = platform.WindowOf(main);
  mvtest::SaveArtifact(*window, "main");

  QTest::keyClick(window, Qt::Key_F12);
  const QString status = static_cast<QLabel*>(platform.WidgetOf(main.lbl_Status))->text();
  EXPECT_TRUE(status.contains(QString::fromStdString((database.Folder() / "prints").string())))
      << status.toStdString();

  platform.QueueAnswer(QMessageBox::No);  // for a box that must not come
  SendMouse(QEvent::MouseButtonPress, CellCentre(main.grdCal, 4, 12), Qt::LeftButton);
  Shortcut(Qt::Key_K);
  Click(program->masterdata.frmMitarbeiter->cmd_Close);
  SendMouse(QEvent::MouseButtonRelease, CellCentre(main.grdCal, 4, 12), Qt::NoButton);
  mvtest::Pump();
  EXPECT_EQ(platform.Shown().size(), 3u);
}

// The note dialog worked while the entry waits: typed, a word replaced by a drag, the end mended,
// all cut and pasted back, a word chosen by keys replaced; saved as shown for both days.
TEST_F(QtProgram, ANoteEditedInTheMiddleWhileTheEntryWaitsIsSavedAsShownForTheDays) {
  LogIn();
  platform.QueueAnswer(QMessageBox::Yes);  // enter the days
  platform.QueueAnswer(QMessageBox::Yes);  // with a note
  std::string shown;
  WhenTheNoteDialogWaits([this, &shown](mv::frmNotiz& dialog) {
    QLineEdit& field = *static_cast<QComboBox*>(platform.WidgetOf(dialog.cmb_Note))->lineEdit();
    QTest::mouseClick(&field, Qt::LeftButton);
    mvtest::TypeKeys(field, QStringLiteral("Kur in Bad Ems"));
    mvtest::DragOverText(field, 4, 6);  // "in"
    // A drag begun outside the field selects nothing in it.
    mvtest::SendMouse(field, QEvent::MouseMove, mvtest::CaretPoint(field, 9), Qt::LeftButton);
    mvtest::TypeKeys(field, QStringLiteral("nahe"));
    QTest::keyClick(&field, Qt::Key_End);
    for (int i = 0; i < 3; ++i) QTest::keyClick(&field, Qt::Key_Backspace);
    mvtest::TypeKeys(field, QStringLiteral("Tölz"));
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    mvtest::TypeKeys(field, QStringLiteral("K"));
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Kur nahe Bad Tölz"));
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);  // "nahe "
    mvtest::TypeKeys(field, QStringLiteral("in "));
    EXPECT_EQ(field.cursorPosition(), 7) << "the caret shows where the next key goes";
    shown = field.text().toStdString();
    Click(dialog.cmdSave);
  });
  DragOverDays(5, 8, 9);  // "Muster, Max"

  EXPECT_EQ(shown, "Kur in Bad Tölz");
  EXPECT_EQ(database.Query("SELECT k.Datum FROM tbl_Kalender k JOIN tbl_Notizen n ON k.Notiz = "
                           "n.LfdNr WHERE k.PersNr = 1 AND n.Text = 'Kur in Bad Tölz' ORDER BY 1"),
            (std::vector<std::vector<std::string>>{{Day(8).ToIso()}, {Day(9).ToIso()}}));
}

}  // namespace
