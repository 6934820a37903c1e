// A text box on the Qt platform, edited with real keys and the mouse: the caret and the selection
// are the runtime's, and a paste meets the checks typed keys meet.
#include <QClipboard>

#include "QtTestSupport.h"

namespace {

class EditForm : public forms::Form {
 public:
  explicit EditForm(forms::Runtime& rt) : forms::Form(rt, "frmEdit") {
    Move(0, 0, 6000, 3000);
    txt.Move(120, 120, 3000, 315);
  }
  forms::TextBox txt{*this, "txt"};
};

class QtEditing : public mvtest::QtFormTest<EditForm> {
 protected:
  QtEditing() : edit(*Widget<QLineEdit>(form->txt)) {}
  void Paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  }
  QLineEdit& edit;
};

TEST_F(QtEditing, KeysClicksAndDragsEditInTheMiddleAndTypingReplacesTheSelection) {
  QTest::mouseClick(&edit, Qt::LeftButton);
  QTest::keyClicks(&edit, "Urlaub");
  mvtest::SendMouse(edit, QEvent::MouseButtonPress, mvtest::CaretPoint(edit, 3), Qt::LeftButton);
  mvtest::SendMouse(edit, QEvent::MouseButtonRelease, mvtest::CaretPoint(edit, 3), Qt::NoButton);
  EXPECT_EQ(form->txt.SelStart(), 3);
  QTest::keyClicks(&edit, "xx");
  EXPECT_EQ(form->txt.Text(), "Urlxxaub");
  QTest::keyClick(&edit, Qt::Key_Delete);
  EXPECT_EQ(form->txt.Text(), "Urlxxub") << "Delete takes one character";
  QTest::keyClick(&edit, Qt::Key_Backspace);
  QTest::keyClick(&edit, Qt::Key_Backspace);
  QTest::keyClick(&edit, Qt::Key_Home);
  QTest::keyClicks(&edit, "Kein ");
  QTest::keyClick(&edit, Qt::Key_End);
  QTest::keyClick(&edit, Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(form->txt.SelStart(), 5) << "Ctrl+Left goes back a word";
  QTest::keyClick(&edit, Qt::Key_End);
  QTest::keyClicks(&edit, "!");
  EXPECT_EQ(form->txt.Text(), "Kein Urlub!");
  EXPECT_EQ(edit.text(), QStringLiteral("Kein Urlub!"));
  EXPECT_EQ(edit.cursorPosition(), 11);

  QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&edit, "Dienstreise");
  QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(form->txt.SelText(), "se");
  EXPECT_EQ(edit.selectedText(), QStringLiteral("se"));
  QTest::keyClicks(&edit, "tag");
  EXPECT_EQ(form->txt.Text(), "Dienstreitag");

  mvtest::DragOverText(edit, 6, 10);
  EXPECT_EQ(form->txt.SelText(), "reit");
  EXPECT_EQ(edit.selectedText(), QStringLiteral("reit"));
  QTest::keyClicks(&edit, "frei");
  EXPECT_EQ(form->txt.Text(), "Dienstfreiag");

  QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(form->txt.SelLength(), 12);
  QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(form->txt.Text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Dienstfreiag"));
}

TEST_F(QtEditing, APasteMeetsMaxLengthAndKeyPressAsTypedKeysDo) {
  form->txt.SetMaxLength(8);
  form->txt.KeyPress = [](int& key) {
    if (key == ';') key = 0;
  };
  int changes = 0;
  form->txt.Change = [&changes] { ++changes; };
  QTest::mouseClick(&edit, Qt::LeftButton);
  Paste(QStringLiteral("Müster;Max"));
  EXPECT_EQ(form->txt.Text(), "MüsterMa") << "the refused character left out, the rest cut";
  EXPECT_EQ(edit.text(), QStringLiteral("MüsterMa"));
  EXPECT_EQ(changes, 1);
  QTest::keyClick(&edit, Qt::Key_Home);
  QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
  Paste(QStringLiteral("m"));
  EXPECT_EQ(form->txt.Text(), "müsterMa") << "a full field takes a paste over a selection";

  form->txt.SetPasswordChar("#");
  QApplication::clipboard()->setText(QStringLiteral("unchanged"));
  QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("unchanged"))
      << "a masked field gives nothing to the clipboard";
  EXPECT_EQ(edit.text(), QStringLiteral("########"));
}

}  // namespace
