// Message boxes on the Qt platform as a user meets them: buttons in the program's language,
// answered by Enter and Escape, a box without icon room, minimize or maximize button that shows its
// whole title, and the focus back in the window that opened it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QTest>
#include <memory>

#include "QtProgram.h"
#include "forms/Forms.h"

namespace {

using mvtest::QtProgram;

TEST_F(QtProgram, BoxButtonsSpeakTheProgramsLanguageAtTheMomentTheBoxOpens) {
  mv::frmKalender& main = LogIn();
  const forms::DateTime today = platform.Now();
  platform.QueueKey(Qt::Key_Return);  // enter the days: Enter answers the default button
  platform.QueueKey(Qt::Key_Escape);  // without a note: Escape answers No
  DragOverDays(main, 4, 3, 4);
  ASSERT_EQ(platform.Shown().size(), 3u);
  EXPECT_EQ(platform.Shown()[0].ButtonTexts, QStringList{QStringLiteral("OK")});
  const QStringList german{QStringLiteral("Ja"), QStringLiteral("Nein")};
  EXPECT_EQ(platform.Shown()[1].ButtonTexts, german);
  EXPECT_EQ(platform.Shown()[2].ButtonTexts, german);
  EXPECT_EQ(platform.KeysIgnored(), 0);
  EXPECT_EQ(database.EntryOn(2, db::Date(today.Year, today.Month, 3)), "U?");
  EXPECT_FALSE(program->calendar.frmNotiz.IsLoaded() && program->calendar.frmNotiz->Visible());

  program->s.Settings.Language = mv::LanguageEnglish;  // as the options dialog switches it
  platform.QueueAnswer(QMessageBox::No);
  DragOverDays(main, 4, 10, 11);
  ASSERT_EQ(platform.Shown().size(), 4u);
  EXPECT_EQ(platform.Shown()[3].ButtonTexts,
            (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
  EXPECT_EQ(database.EntryOn(2, db::Date(today.Year, today.Month, 10)), "");
}

class AskingForm : public forms::Form {
 public:
  AskingForm(forms::Runtime& rt, std::string title) : forms::Form(rt, "frmAsking") {
    Move(0, 0, 6000, 3000);
    txt.Move(120, 120, 3000, 315);
    txt.KeyPress = [this, title](int& key) {
      if (key == forms::vbKeyReturn) answer = MsgBox("Urlaub eintragen?", forms::vbYesNo, title);
    };
  }
  forms::TextBox txt{*this, "txt"};
  int answer = 0;
};

class QtMessageBox : public testing::Test {
 protected:
  QtMessageBox() : rt(platform) {
    platform.Attach(rt);
    rt.SetUiLanguage([] { return forms::UiLanguage::German; });
  }
  ~QtMessageBox() override {
    if (form) form->Unload();
  }
  QWidget* Open(const std::string& title) {
    form = std::make_unique<AskingForm>(rt, title);
    form->Show();
    mvtest::Pump();
    return platform.WindowOf(*form);
  }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
  std::unique_ptr<AskingForm> form;
};

TEST_F(QtMessageBox, ABoxWithoutIconShowsItsWholeTitleAndOnlyACloseButton) {
  const std::string title = "Abwesenheitsplanung der Abteilung Vertrieb und Außendienst";
  QWidget* window = Open(title);
  int checked = 0;
  platform.LookAtNextBox([&checked](QMessageBox& box) {
    const Qt::WindowFlags flags = box.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry().left(), box.layout()->contentsMargins().left())
        << "the text starts at the margin, not where an icon would stand";
    QFont bold = box.font();
    bold.setBold(true);
    EXPECT_GE(box.width(), QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 80);
    for (QAbstractButton* button : box.buttons()) EXPECT_TRUE(button->icon().isNull());
    mvtest::SaveArtifact(box, "message_box");
    ++checked;
  });
  QTest::keyClick(platform.WidgetOf(form->txt), Qt::Key_Return);
  EXPECT_EQ(checked, 1);
  EXPECT_EQ(form->answer, forms::vbYes);
  EXPECT_EQ(platform.Shown().at(0).Title, QString::fromStdString(title));
  ASSERT_NE(window, nullptr);
}

TEST_F(QtMessageBox, TheFocusGoesBackToTheWindowThatOpenedTheBox) {
  QWidget* window = Open("Morvellan");
  QWidget* edit = platform.WidgetOf(form->txt);
  QTest::mouseClick(edit, Qt::LeftButton);
  platform.QueueAnswer(QMessageBox::No);
  QTest::keyClick(edit, Qt::Key_Return);
  mvtest::Pump();
  EXPECT_EQ(form->answer, forms::vbNo);
  EXPECT_EQ(QApplication::activeWindow(), window);
  EXPECT_EQ(QApplication::focusWidget(), edit);
  QTest::keyClicks(QApplication::focusWidget(), "ja");
  EXPECT_EQ(form->txt.Text(), "ja");
}

}  // namespace
