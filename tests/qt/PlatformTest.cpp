// The Qt platform's services: message boxes as a user meets them, the input box, file filters,
// printing without a printer and the end.
#include <QInputDialog>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "QtTestSupport.h"
#include "forms/qt/Dialogs.h"

namespace {

using QtPlatformTest = mvtest::QtRuntimeTest;

// A box shows its title, its prompt, its buttons and its icon, and answers by the button pressed,
// the first being the default.
TEST_F(QtPlatformTest, AMessageBoxShowsTitlePromptButtonsAndIconAndAnswers) {
  rt.SetUiLanguage([] { return forms::UiLanguage::German; });
  EXPECT_EQ(rt.MsgBox("Morvellan verlassen?\rWirklich?", forms::vbYesNo | forms::vbQuestion),
            forms::vbYes);
  const mvtest::ShownMessageBox box = platform.Shown().at(0);
  EXPECT_EQ(box.Title, QStringLiteral("Morvellan"));
  EXPECT_EQ(box.Text, QStringLiteral("Morvellan verlassen?\nWirklich?"));
  EXPECT_EQ(box.ButtonTexts, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
  EXPECT_EQ(box.Icon, QMessageBox::Question);
  platform.QueueAnswer(QMessageBox::Cancel);
  EXPECT_EQ(rt.MsgBox("!", forms::vbYesNoCancel | forms::vbCritical, "Titel"), forms::vbCancel);
  EXPECT_EQ(platform.Shown().back().Title, QStringLiteral("Titel"));
  EXPECT_EQ(platform.Shown().back().Icon, QMessageBox::Critical);
  EXPECT_EQ(rt.MsgBox("!", forms::vbOKOnly), forms::vbOK);
}

TEST_F(QtPlatformTest, TheInputBoxGivesTheTextOrNothingAndFileFiltersAreWrittenTheQtWay) {
  platform.SetModalHook([](QWidget& modal) {
    auto& dialog = static_cast<QInputDialog&>(modal);
    if (dialog.textValue() == QStringLiteral("abbrechen")) {
      dialog.reject();
    } else {
      dialog.setTextValue(QStringLiteral("Müller"));
      dialog.accept();
    }
  });
  EXPECT_EQ(rt.InputBox("Name?\rBitte", "", "Mayer"), "Müller");
  EXPECT_EQ(rt.InputBox("Name?", "", "abbrechen"), "");

  EXPECT_EQ(forms::qt::FileFilter("Datenbank (*.mdb)|*.mdb|Alle Dateien|*.*"),
            QStringLiteral("Datenbank (*.mdb);;Alle Dateien (*.*)"));
  EXPECT_EQ(forms::qt::FileFilter("Bilder|*.bmp;*.png"), QStringLiteral("Bilder (*.bmp *.png)"));
}

// A prints path that is a file is reported, not printed; the end carries its exit code.
TEST_F(QtPlatformTest, WithoutAPrinterEachJobIsAPdfInThePrintsFolder) {
  const forms::GridPicture picture;
  QTemporaryDir folder;
  platform.SetProgramFolder(folder.path().toStdString());
  platform.SetPrintToPdf(true);
  const forms::PrintOutcome page = rt.PrintPage(picture);
  ASSERT_TRUE(page.Printed) << page.Failure;
  EXPECT_NE(rt.PrintPage(picture).File, page.File) << "a second page overwrote the first";
  QTemporaryDir blocked;
  std::ofstream(blocked.filePath(QStringLiteral("prints")).toStdString()) << "not a folder";
  platform.SetProgramFolder(blocked.path().toStdString());
  const forms::PrintOutcome outcome = rt.PrintPage(picture);
  EXPECT_FALSE(outcome.Printed);
  EXPECT_NE(outcome.Failure.find("prints"), std::string::npos) << outcome.Failure;

  rt.End(3);
  EXPECT_EQ(platform.ExitCode(), 3);
}

}  // namespace
