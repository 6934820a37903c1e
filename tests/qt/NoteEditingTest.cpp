// A note edited in the note dialog as a user does it, while the entry of absences waits for the
// dialog: typed, a word replaced by a drag of the mouse, the end mended with the keys.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "QtProgram.h"

namespace {

using mvtest::QtProgram;

void MouseAt(QLineEdit* field, QEvent::Type type, int position, Qt::MouseButtons held) {
  const int y = field->height() / 2;
  int x = 0;
  while (x < field->width() && field->cursorPositionAt(QPoint(x, y)) != position) ++x;
  const QPoint at(x, y);
  QMouseEvent event(type, at, field->mapToGlobal(at),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                    Qt::NoModifier);
  QApplication::sendEvent(field, &event);
}

// Key by key, also the characters QTest's key names do not reach (umlauts).
void Type(QWidget* field, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
  }
}

TEST_F(QtProgram, ANoteIsEditedInTheMiddleBeforeItIsSaved) {
  mv::frmKalender& main = LogIn();
  platform.QueueAnswer(QMessageBox::Yes);  // enter the days
  platform.QueueAnswer(QMessageBox::Yes);  // with a note
  std::string shown;
  WhenTheNoteDialogWaits(main, [this, &shown](mv::frmNotiz& dialog) {
    auto* combo = static_cast<QComboBox*>(platform.WidgetOf(dialog.cmb_Note));
    QLineEdit* field = combo->lineEdit();
    QTest::mouseClick(field, Qt::LeftButton);
    Type(field, QStringLiteral("Kur in Bad Ems"));
    MouseAt(field, QEvent::MouseButtonPress, 4, Qt::LeftButton);  // drag over "in"
    MouseAt(field, QEvent::MouseMove, 6, Qt::LeftButton);
    MouseAt(field, QEvent::MouseButtonRelease, 6, Qt::NoButton);
    Type(field, QStringLiteral("nahe"));
    QTest::keyClick(field, Qt::Key_End);
    for (int i = 0; i < 3; ++i) QTest::keyClick(field, Qt::Key_Backspace);
    Type(field, QStringLiteral("Tölz"));
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Delete);
    Type(field, QStringLiteral("K"));
    shown = field->text().toStdString();
    mvtest::SaveArtifact(*platform.WindowOf(dialog), "note_edited");
    QTest::mouseClick(static_cast<QPushButton*>(platform.WidgetOf(dialog.cmdSave)), Qt::LeftButton);
  });
  DragOverDays(main, 5, 8, 9);

  EXPECT_EQ(shown, "Kur nahe Bad Tölz");
  EXPECT_EQ(database.Query("SELECT Text FROM tbl_Notizen"),
            (std::vector<std::vector<std::string>>{{"Kur nahe Bad Tölz"}}));
}

}  // namespace
