// The first run as the README's run command makes it: the database created with its settings file
// beside it, then the program started in that folder, which opens the database without a warning.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "QtTestSupport.h"
#include "calendar/frmKalender.h"
#include "core/frmLogin.h"
#include "program/Program.h"

namespace {

TEST(QtFirstRun, TheNewDatabaseWithItsSettingsOpensWithoutAWarning) {
  mvtest::AnsweringPlatform platform;
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QProcess tool;
  tool.start(QStringLiteral(MV_NEWDB_TOOL),
             {QStringLiteral("--settings"), folder.filePath(QStringLiteral("Morvellan.mdb")),
              QStringLiteral("admin"), QStringLiteral("geheim")});
  ASSERT_TRUE(tool.waitForFinished());
  ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
  EXPECT_TRUE(QDir(folder.path()).exists(QStringLiteral("settings.dat")));

  platform.SetProgramFolder(folder.path().toStdString());
  auto program = std::make_unique<mv::Program>(platform);
  platform.Attach(program->s.rt);
  ASSERT_EQ(program->Start(), 0);
  mvtest::Pump();
  EXPECT_TRUE(platform.Shown().empty())
      << "a box on the first start: " << platform.Shown().front().Text.toStdString();

  mv::frmLogin* login = program->core.frmLogin.IfLoaded();
  ASSERT_NE(login, nullptr);
  for (auto [box, text] : {std::pair{&login->txtID, "admin"}, std::pair{&login->txtPW, "geheim"}}) {
    auto* edit = static_cast<QLineEdit*>(platform.WidgetOf(*box));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QString::fromLatin1(text));
  }
  QTest::keyClick(platform.WidgetOf(login->txtPW), Qt::Key_Return);
  mvtest::Pump();
  EXPECT_TRUE(program->calendar.frmKalender.IsLoaded()) << "the administrator of the new database logs in";
  EXPECT_TRUE(platform.Shown().empty());
  program.reset();
}

}  // namespace
