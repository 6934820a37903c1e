// The note dialog as the catalogue editor (Ctrl+N in the main window) and as the picker of the
// holiday window: list, buttons, saving with reuse, deleting with its references, the ways out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarTestSupport.h"
#include "masterdata/frmFerien.h"

namespace {

using namespace caltest;

class NoteDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    arzt = app.AddNote("Arzt");
    kur = app.AddNote("Kur");
  }

  mv::frmNotiz& OpenCatalogue() {
    if (!main) main = &Enter(app, 12, mv::GroupAdmin);
    EXPECT_TRUE(main->UserShortcut("Ctrl+N"));
    return *app.calendar().frmNotiz.IfLoaded();
  }

  Rows Notes() { return app.Query("SELECT LfdNr, Text FROM tbl_Notizen ORDER BY LfdNr"); }

  CalendarApp app;
  mv::frmKalender* main = nullptr;
  long arzt = 0;
  long kur = 0;
};

TEST_F(NoteDialog, CatalogueShowsEveryTextAndEnablesButtonsByTheEditField) {
  mv::frmNotiz& dialog = OpenCatalogue();

  EXPECT_TRUE(dialog.Visible());
  EXPECT_TRUE(dialog.IsActive());
  EXPECT_FALSE(main->Enabled());
  EXPECT_EQ(dialog.Caption(), "Notizen");
  EXPECT_EQ(dialog.lbl_Zeitraum.Caption(), "Notizen bearbeiten");
  EXPECT_EQ(Entries(dialog.cmb_Note), (std::vector<std::string>{"Arzt", "Kur"}));
  EXPECT_EQ(main->lbl_Status.Caption(), "Gesamtanzahl Notizen: 2");
  EXPECT_FALSE(dialog.cmdSave.Enabled());
  EXPECT_FALSE(dialog.cmdDelete.Enabled());

  dialog.cmb_Note.UserType("X");
  EXPECT_TRUE(dialog.cmdSave.Enabled());
  EXPECT_FALSE(dialog.cmdDelete.Enabled());
  dialog.cmb_Note.UserKey(forms::vbKeyBack);
  EXPECT_FALSE(dialog.cmdSave.Enabled());
  dialog.cmb_Note.UserSelect(1);
  EXPECT_TRUE(dialog.cmdSave.Enabled());
  EXPECT_TRUE(dialog.cmdDelete.Enabled());
}

// A text is found whatever the case of its letters or its apostrophes; one of more than 100
// characters is stored cut, and found again as stored.
TEST_F(NoteDialog, SavingStoresEachTextOnce) {
  std::string longText;
  for (int i = 0; i < 12; ++i) longText += "Überstunde";  // 120 characters, 132 bytes
  const std::string cut = longText.substr(0, 110);
  const struct {
    std::string typed;
    std::string stored;
  } saves[] = {{"KUR", "Kur"},
               {"Zahnarzt", "Zahnarzt"},
               {longText, cut},
               {longText, cut},
               {"Dad's birthday", "Dad's birthday"},
               {"dad's BIRTHDAY", "Dad's birthday"}};
  for (const auto& save : saves) {
    SCOPED_TRACE(save.typed);
    mv::frmNotiz& dialog = OpenCatalogue();
    dialog.cmb_Note.UserType(save.typed);
    dialog.cmdSave.UserClick();
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(main->Enabled());
    EXPECT_EQ(
        app.Query("SELECT Text FROM tbl_Notizen WHERE LfdNr = " + std::to_string(app.s().NoteNr)),
        (Rows{{save.stored}}));
  }
  EXPECT_EQ(app.Query("SELECT Text FROM tbl_Notizen ORDER BY LfdNr"),
            (Rows{{"Arzt"}, {"Kur"}, {"Zahnarzt"}, {cut}, {"Dad's birthday"}}));
}

TEST_F(NoteDialog, DeletingClearsEveryReferenceAndRenewsTheList) {
  const long dad = app.AddNote("Dad's birthday");
  app.AddEntry(10, Dec(1), "U?", arzt);
  app.AddEntry(10, Dec(2), "U?", arzt);
  app.AddEntry(11, Dec(3), "Z/", arzt);
  app.AddEntry(12, Dec(4), "S?", kur);
  app.AddEntry(12, Dec(5), "S?", dad);
  app.AddHoliday(Dec(24), arzt);
  mv::frmNotiz& dialog = OpenCatalogue();
  app.AddEntry(11, Dec(7), "D?", arzt);  // another copy, after the main window opened
  app.s().RsKalender.MoveLast();

  dialog.cmb_Note.UserSelect(0);
  dialog.cmb_Note.UserType("x");  // a text the catalogue lacks
  app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(dialog.cmb_Note.Text(), "Arztx");
  dialog.cmb_Note.UserSelect(0);
  app.platform.ExpectMessageBox(app.s().T(75), forms::vbNo);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(Notes().size(), 3u);
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender WHERE Notiz = 0"), 0);

  app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(app.platform.MessageBoxes().back().Request.Title, "Morvellan");
  EXPECT_EQ(Notes(), (Rows{{std::to_string(kur), "Kur"}, {std::to_string(dad), "Dad's birthday"}}));
  EXPECT_EQ(app.Query("SELECT PersNr, Notiz FROM tbl_Kalender ORDER BY Datum"),
            (Rows{{"10", "0"},
                  {"10", "0"},
                  {"11", "0"},
                  {"12", std::to_string(kur)},
                  {"12", std::to_string(dad)},
                  {"11", "0"}}));
  EXPECT_EQ(app.Scalar("SELECT notiz FROM tbl_Ferien"), arzt);
  EXPECT_TRUE(dialog.Visible());
  EXPECT_FALSE(main->Enabled());
  EXPECT_EQ(Entries(dialog.cmb_Note), (std::vector<std::string>{"Kur", "Dad's birthday"}));
  EXPECT_EQ(main->lbl_Status.Caption(), "Gesamtanzahl Notizen: 2");
  EXPECT_FALSE(dialog.cmdDelete.Enabled());

  dialog.cmb_Note.UserSelect(1);
  app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(Entries(dialog.cmb_Note), (std::vector<std::string>{"Kur"}));
  EXPECT_EQ(app.Scalar("SELECT Notiz FROM tbl_Kalender WHERE Datum = '2026-12-05'"), 0);
}

TEST_F(NoteDialog, CloseButtonAndCloseBoxHandBackNoNote) {
  mv::frmNotiz& dialog = OpenCatalogue();
  app.s().NoteNr = 7;
  dialog.cmb_Note.UserType("verworfen");
  dialog.cmdAbort.UserClick();
  EXPECT_EQ(app.s().NoteNr, 0);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(main->Enabled());
  EXPECT_FALSE(app.s().RsNotizen.IsOpen());

  OpenCatalogue().UserClose();
  EXPECT_FALSE(app.calendar().frmNotiz.IsLoaded());
  EXPECT_TRUE(main->Enabled());
  EXPECT_EQ(Entries(OpenCatalogue().cmb_Note), (std::vector<std::string>{"Arzt", "Kur"}));
}

TEST_F(NoteDialog, HolidayWindowIsEnabledAgainInsteadOfTheMainWindow) {
  main = &Enter(app, 12, mv::GroupAdmin);
  main->SetEnabled(false);
  mv::frmFerien& holidays = app.masterdata().frmFerien.Get();
  holidays.Show();
  holidays.SetEnabled(false);
  mv::frmNotiz& dialog = app.calendar().frmNotiz.Get();
  dialog.Show();
  EXPECT_FALSE(dialog.cmdSave.Enabled());
  dialog.cmb_Note.UserSelect(0);
  dialog.cmdSave.UserClick();

  EXPECT_EQ(app.s().NoteNr, arzt);
  EXPECT_TRUE(holidays.Enabled());
  EXPECT_FALSE(main->Enabled());
}

}  // namespace
