// The options dialog's font dialog on a system without Windows fonts: it opens on the font that
// stands in for the calendar font (Arial, the first start's), and taken as it opened, the setting
// keeps the classic name.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include "WindowWalk.h"

namespace {

using mvtest::QtWindowWalk;

TEST_F(QtWindowWalk, TheFontDialogOpensOnTheFontTheCalendarShows) {
  LogIn();
  ASSERT_EQ(program->s.Settings.CalendarFont, "Arial");
  const QString shown = QFontInfo(QFont(QStringLiteral("Arial"))).family();
  ASSERT_TRUE(QFontDatabase::families().contains(shown));
  Shortcut(Qt::Key_E);
  mv::frmOptionen& options = *program->overview.frmOptionen.IfLoaded();
  QString current;
  platform.SetModalHook([&](QWidget& modal) {
    auto& fonts = static_cast<QFontDialog&>(modal);
    current = fonts.currentFont().family();
    fonts.accept();
  });
  Click(options.cmd_Font);
  EXPECT_EQ(current.toStdString(), shown.toStdString());
  EXPECT_EQ(program->s.Settings.CalendarFont, "Arial");
  EXPECT_EQ(options.cmd_Font.Caption(), "Arial");
}

}  // namespace
