// Text boxes and a combo box's edit field on the Qt platform, edited with real keys and the mouse:
// the caret and the selection are the runtime's, and a paste meets the checks typed keys meet.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <memory>

#include "QtTestSupport.h"
#include "forms/Forms.h"

namespace {

class EditForm : public forms::Form {
 public:
  explicit EditForm(forms::Runtime& rt) : forms::Form(rt, "frmEdit") {
    Move(0, 0, 6000, 3000);
    txt.Move(120, 120, 3000, 315);
    cmb.Move(120, 600, 3000, 315);
    cmb.AddItem("Kur in Bad Ems");
  }
  forms::TextBox txt{*this, "txt"};
  forms::ComboBox cmb{*this, "cmb"};
};

class QtEditing : public testing::Test {
 protected:
  QtEditing() : rt(platform) {
    platform.Attach(rt);
    form = std::make_unique<EditForm>(rt);
    form->Show();
    mvtest::Pump();
    edit = static_cast<QLineEdit*>(platform.WidgetOf(form->txt));
  }
  ~QtEditing() override { form->Unload(); }

  // The point inside the line where a click puts the caret before character `position`.
  static QPoint PointAt(QLineEdit* line, int position) {
    const int y = line->height() / 2;
    for (int x = 0; x < line->width(); ++x)
      if (line->cursorPositionAt(QPoint(x, y)) == position) return {x, y};
    ADD_FAILURE() << "no point for position " << position;
    return {0, y};
  }
  static void Mouse(QLineEdit* line, QEvent::Type type, int position, Qt::MouseButtons held,
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const QPoint at = PointAt(line, position);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, line->mapToGlobal(at), button, held, mods);
    QApplication::sendEvent(line, &event);
  }
  // Drags the mouse over the text from one position to another.
  static void Drag(QLineEdit* line, int from, int to) {
    Mouse(line, QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(line, QEvent::MouseMove, to, Qt::LeftButton);
    Mouse(line, QEvent::MouseButtonRelease, to, Qt::NoButton);
  }
  void Paste(QLineEdit* line, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
  }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
  std::unique_ptr<EditForm> form;
  QLineEdit* edit = nullptr;
};

TEST_F(QtEditing, KeysAndClicksEditInTheMiddleOfTheText) {
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClicks(edit, "Urlaub");
  Mouse(edit, QEvent::MouseButtonPress, 3, Qt::LeftButton);
  Mouse(edit, QEvent::MouseButtonRelease, 3, Qt::NoButton);
  EXPECT_EQ(form->txt.SelStart(), 3);
  QTest::keyClicks(edit, "xx");
  EXPECT_EQ(form->txt.Text(), "Urlxxaub");
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(form->txt.Text(), "Urlxxub") << "Delete takes one character";
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClicks(edit, "Kein ");
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClicks(edit, "!");
  EXPECT_EQ(form->txt.Text(), "Kein Urlub!");
  EXPECT_EQ(edit->text(), QStringLiteral("Kein Urlub!"));
  EXPECT_EQ(edit->cursorPosition(), 11);
}

TEST_F(QtEditing, ShiftArrowsCtrlAAndDragsSelectAndTypingReplaces) {
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClicks(edit, "Dienstreise");
  QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(form->txt.SelText(), "se");
  EXPECT_EQ(edit->selectedText(), QStringLiteral("se"));
  QTest::keyClicks(edit, "tag");
  EXPECT_EQ(form->txt.Text(), "Dienstreitag");

  Drag(edit, 6, 10);
  EXPECT_EQ(form->txt.SelText(), "reit");
  EXPECT_EQ(edit->selectedText(), QStringLiteral("reit"));
  QTest::keyClicks(edit, "frei");
  EXPECT_EQ(form->txt.Text(), "Dienstfreiag");

  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(form->txt.SelLength(), 12);
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
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
  QTest::mouseClick(edit, Qt::LeftButton);
  Paste(edit, QStringLiteral("Muster;Max"));
  EXPECT_EQ(form->txt.Text(), "MusterMa") << "the refused character left out, the rest cut";
  EXPECT_EQ(edit->text(), QStringLiteral("MusterMa"));
  EXPECT_EQ(changes, 1);
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
  Paste(edit, QStringLiteral("m"));
  EXPECT_EQ(form->txt.Text(), "musterMa") << "a full field takes a paste over a selection";

  form->txt.SetPasswordChar("#");
  QApplication::clipboard()->setText(QStringLiteral("unchanged"));
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("unchanged"))
      << "a masked field gives nothing to the clipboard";
  EXPECT_EQ(edit->text(), QStringLiteral("########"));
}

TEST_F(QtEditing, AComboEditFieldEditsThroughTheSamePath) {
  auto* combo = static_cast<QComboBox*>(platform.WidgetOf(form->cmb));
  QLineEdit* field = combo->lineEdit();
  ASSERT_NE(field, nullptr);
  form->cmb.SetListIndex(0);
  QTest::mouseClick(field, Qt::LeftButton);
  Drag(field, 4, 6);
  EXPECT_EQ(form->cmb.SelText(), "in");
  QTest::keyClicks(field, "aus");
  QTest::keyClick(field, Qt::Key_End);
  QTest::keyClick(field, Qt::Key_Left, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Delete);
  Paste(field, QStringLiteral("Ö"));
  EXPECT_EQ(form->cmb.Text(), "Kur aus Bad Öms");
  EXPECT_EQ(field->text(), QStringLiteral("Kur aus Bad Öms"));
  EXPECT_EQ(form->cmb.ListIndex(), -1);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Delete);
  EXPECT_EQ(form->cmb.Text(), "");
}

}  // namespace
