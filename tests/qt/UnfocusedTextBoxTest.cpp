// Text boxes the focus has left, in the employee card: they show their text and nothing else, no
// caret and no selection, as in a box the user never entered.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "WindowWalk.h"

namespace {

using mvtest::QtWindowWalk;

// A box like `shown` that never had the focus, drawn in the same place.
QImage Untouched(QLineEdit& shown) {
  QLineEdit twin(shown.parentWidget());
  twin.setGeometry(shown.geometry());
  twin.setFont(shown.font());
  twin.setPalette(shown.palette());
  twin.setAlignment(shown.alignment());
  twin.setEnabled(shown.isEnabled());
  twin.setText(shown.text());
  twin.setCursorPosition(0);
  return twin.grab().toImage();
}

// How many pixels differ between two pictures of one size.
int Differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height();
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  int differing = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) differing += x.pixel(col, row) != y.pixel(col, row);
  }
  return differing;
}

TEST_F(QtWindowWalk, BoxesTheFocusLeftShowNeitherCaretNorSelection) {
  LogIn();
  Shortcut(Qt::Key_K);
  mv::frmMitarbeiter& card = *program->masterdata.frmMitarbeiter.IfLoaded();
  // Tab selects the whole text of each box it passes; a click puts the caret into the last one.
  ASSERT_EQ(QApplication::focusWidget(), platform.WidgetOf(card.txt_Nachname));
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  QTest::mouseClick(platform.WidgetOf(card.txt_Telefon), Qt::LeftButton);
  Key(Qt::Key_End);
  Click(card.txt_UTage);
  for (forms::TextBox* box : {&card.txt_Nachname, &card.txt_Vorname, &card.txt_Telefon}) {
    auto& line = *static_cast<QLineEdit*>(platform.WidgetOf(*box));
    EXPECT_FALSE(line.hasSelectedText()) << box->Name();
    EXPECT_EQ(Differing(line.grab().toImage(), Untouched(line)), 0) << box->Name();
  }
  mvtest::SaveArtifact(Window(card), "employee_card_after_tabs");
}

}  // namespace
