// The Qt platform's services: message boxes, the input box, printing without a printer, the end.
#include <gtest/gtest.h>

#include <QInputDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "QtTestSupport.h"
#include "forms/Forms.h"
#include "forms/qt/Dialogs.h"

namespace {

class QtPlatformTest : public testing::Test {
 protected:
  QtPlatformTest() : rt(platform) { platform.Attach(rt); }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
};

TEST_F(QtPlatformTest, AMessageBoxShowsTheProgramsTitleItsLinesAndButtons) {
  platform.QueueAnswer(QMessageBox::No);
  EXPECT_EQ(rt.MsgBox("Morvellan verlassen?\rWirklich?", forms::vbYesNo | forms::vbQuestion),
            forms::vbNo);
  ASSERT_EQ(platform.Shown().size(), 1u);
  const mvtest::ShownMessageBox& box = platform.Shown()[0];
  EXPECT_EQ(box.Title, QStringLiteral("Morvellan"));
  EXPECT_EQ(box.Text, QStringLiteral("Morvellan verlassen?\nWirklich?"));
  EXPECT_EQ(box.Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.Icon, QMessageBox::Question);
}

TEST_F(QtPlatformTest, MessageBoxAnswersFollowTheButtonPressed) {
  platform.QueueAnswer(QMessageBox::Cancel);
  EXPECT_EQ(rt.MsgBox("?", forms::vbYesNoCancel, "Titel"), forms::vbCancel);
  EXPECT_EQ(platform.Shown().back().Title, QStringLiteral("Titel"));
  EXPECT_EQ(rt.MsgBox("?", forms::vbYesNoCancel), forms::vbYes);  // the first button is the default
  EXPECT_EQ(rt.MsgBox("!", forms::vbOKOnly | forms::vbCritical), forms::vbOK);
  EXPECT_EQ(platform.Shown().back().Icon, QMessageBox::Critical);
}

TEST_F(QtPlatformTest, TheInputBoxGivesTheTextOrNothingWhenCancelled) {
  QString prompt;
  platform.SetModalHook([&prompt](QWidget& modal) {
    auto& dialog = static_cast<QInputDialog&>(modal);
    prompt = dialog.labelText();
    if (dialog.textValue() == QStringLiteral("abbrechen")) {
      dialog.reject();
    } else {
      dialog.setTextValue(QStringLiteral("Müller"));
      dialog.accept();
    }
  });
  EXPECT_EQ(rt.InputBox("Name?\rBitte", "", "Mayer"), "Müller");
  EXPECT_EQ(prompt, QStringLiteral("Name?\nBitte"));
  EXPECT_EQ(rt.InputBox("Name?", "", "abbrechen"), "");
}

TEST_F(QtPlatformTest, FileFiltersAreWrittenTheQtWay) {
  EXPECT_EQ(forms::qt::FileFilter("Datenbank (*.mdb)|*.mdb|Alle Dateien|*.*"),
            QStringLiteral("Datenbank (*.mdb);;Alle Dateien (*.*)"));
  EXPECT_EQ(forms::qt::FileFilter("Bilder|*.bmp;*.png"), QStringLiteral("Bilder (*.bmp *.png)"));
  EXPECT_EQ(forms::qt::FileFilter(""), QString());
}

forms::GridPicture SmallPicture() {
  forms::GridPicture p;
  p.Rows = 2;
  p.Cols = 3;
  p.FixedRows = 1;
  p.FixedCols = 1;
  p.ColWidths = {2000, 300, 300};
  p.RowHeights = {300, 300};
  p.Cells.resize(6);
  p.Cells[4].Text = "U";
  p.Cells[4].BackColor = forms::vbYellow;
  return p;
}

// Width and height of the first page as the PDF file gives them.
QSizeF PageSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  static const QRegularExpression box(
      QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)"));
  const auto match = box.match(QString::fromLatin1(text.str()));
  if (!match.hasMatch()) return {};
  return {match.captured(3).toDouble() - match.captured(1).toDouble(),
          match.captured(4).toDouble() - match.captured(2).toDouble()};
}

TEST_F(QtPlatformTest, WithoutAPrinterEachJobIsALandscapePdfInThePrintsFolder) {
  QTemporaryDir folder;
  platform.SetProgramFolder(folder.path().toStdString());
  platform.SetPrintToPdf(true);
  const forms::PrintOutcome first = rt.PrintPage(SmallPicture());
  const forms::PrintOutcome second = rt.PrintPage(SmallPicture());
  ASSERT_TRUE(first.Printed) << first.Failure;
  ASSERT_TRUE(second.Printed) << second.Failure;
  const std::filesystem::path file(first.File);
  EXPECT_EQ(file.parent_path(), std::filesystem::path(folder.path().toStdString()) / "prints");
  EXPECT_EQ(file.extension(), ".pdf");
  EXPECT_NE(first.File, second.File);
  ASSERT_TRUE(std::filesystem::exists(file));
  const QSizeF page = PageSize(file);
  EXPECT_GT(page.width(), page.height());
}

TEST_F(QtPlatformTest, APrintsFolderThatCannotBeMadeIsReported) {
  QTemporaryDir folder;
  std::ofstream(folder.filePath(QStringLiteral("prints")).toStdString()) << "not a folder";
  platform.SetProgramFolder(folder.path().toStdString());
  platform.SetPrintToPdf(true);
  const forms::PrintOutcome outcome = rt.PrintPage(SmallPicture());
  EXPECT_FALSE(outcome.Printed);
  EXPECT_NE(outcome.Failure.find("prints"), std::string::npos) << outcome.Failure;
}

TEST_F(QtPlatformTest, TheEndCarriesItsExitCode) {
  rt.End(3);
  EXPECT_TRUE(rt.Ended());
  EXPECT_EQ(platform.ExitCode(), 3);
}

}  // namespace
