// The note dialog as the catalogue editor (Ctrl+N in the main window) and as the picker of the
// holiday window: list, buttons, saving with reuse, deleting with its references, the ways out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EntrySupport.h"
#include "masterdata/frmFerien.h"

namespace {

using namespace entrytest;

using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> Entries(const forms::ComboBox& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
  return out;
}

class NoteDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedTeam(app);
    arzt = app.AddNote("Arzt");
    kur = app.AddNote("Kur");
  }

  mv::frmNotiz& OpenCatalogue() {
    main = &Enter(app, 12, mv::GroupAdmin);
    EXPECT_TRUE(main->UserShortcut("Ctrl+N"));
    return *app.s().frmNotiz.IfLoaded();
  }

  Rows Notes() { return app.Query("SELECT LfdNr, Text FROM tbl_Notizen ORDER BY LfdNr"); }

  mvtest::TestApp app;
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
  EXPECT_EQ(dialog.cmdSave.Caption(), "Speichern");
  EXPECT_EQ(dialog.cmdAbort.Caption(), "Schließen");
  EXPECT_EQ(dialog.cmdDelete.Caption(), "Löschen");
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

TEST_F(NoteDialog, SavingReusesAnExistingTextWhateverItsCaseAndAddsANewOne) {
  mv::frmNotiz& dialog = OpenCatalogue();
  dialog.cmb_Note.UserType("KUR");
  dialog.cmdSave.UserClick();
  EXPECT_EQ(app.s().NoteNr, kur);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(main->Enabled());

  main->UserShortcut("Ctrl+N");
  dialog.cmb_Note.UserType("Zahnarzt");
  dialog.cmdSave.UserClick();
  EXPECT_EQ(Notes(), (Rows{{std::to_string(arzt), "Arzt"}, {std::to_string(kur), "Kur"},
                           {std::to_string(app.s().NoteNr), "Zahnarzt"}}));
  EXPECT_GT(app.s().NoteNr, kur);
}

TEST_F(NoteDialog, LongTextIsCutToOneHundredCharactersAndStoredOnce) {
  std::string typed;
  for (int i = 0; i < 12; ++i) typed += "Überstunde";  // 120 characters, 132 bytes
  mv::frmNotiz& dialog = OpenCatalogue();
  dialog.cmb_Note.UserType(typed);
  dialog.cmdSave.UserClick();
  const long first = app.s().NoteNr;
  main->UserShortcut("Ctrl+N");
  dialog.cmb_Note.UserType(typed);
  dialog.cmdSave.UserClick();

  EXPECT_EQ(app.s().NoteNr, first);
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Notizen"), 3);
  EXPECT_EQ(app.Query("SELECT Text FROM tbl_Notizen WHERE LfdNr = " + std::to_string(first))[0][0],
            typed.substr(0, 110));
}

TEST_F(NoteDialog, DeletingClearsEveryReferenceAndRenewsTheList) {
  app.AddEntry(10, Dec(1), "U?", arzt);
  app.AddEntry(10, Dec(2), "U?", arzt);
  app.AddEntry(11, Dec(3), "Z/", arzt);
  app.AddEntry(12, Dec(4), "S?", kur);
  app.AddHoliday(Dec(24), arzt);
  mv::frmNotiz& dialog = OpenCatalogue();
  app.AddEntry(11, Dec(7), "D?", arzt);  // another copy, after the main window opened
  app.s().RsKalender.MoveLast();

  dialog.cmb_Note.UserSelect(0);
  app.platform.ExpectMessageBox(app.s().T(75), forms::vbNo);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Notizen"), 2);

  app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
  dialog.cmdDelete.UserClick();

  EXPECT_EQ(app.platform.MessageBoxes().back().Request.Title, "Morvellan");
  EXPECT_EQ(Notes(), (Rows{{std::to_string(kur), "Kur"}}));
  EXPECT_EQ(app.Query("SELECT PersNr, Notiz FROM tbl_Kalender ORDER BY Datum"),
            (Rows{{"10", "0"}, {"10", "0"}, {"11", "0"}, {"12", std::to_string(kur)}, {"11", "0"}}));
  EXPECT_EQ(app.Scalar("SELECT notiz FROM tbl_Ferien"), arzt);
  EXPECT_TRUE(dialog.Visible());
  EXPECT_FALSE(main->Enabled());
  EXPECT_EQ(Entries(dialog.cmb_Note), (std::vector<std::string>{"Kur"}));
  EXPECT_EQ(main->lbl_Status.Caption(), "Gesamtanzahl Notizen: 1");
  EXPECT_FALSE(dialog.cmdDelete.Enabled());
}

TEST_F(NoteDialog, DeletingATextNotInTheCatalogueChangesNothing) {
  app.AddEntry(10, Dec(1), "U?", arzt);
  mv::frmNotiz& dialog = OpenCatalogue();
  dialog.cmb_Note.UserSelect(0);
  dialog.cmb_Note.UserType("x");
  app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
  dialog.cmdDelete.UserClick();

  EXPECT_EQ(Notes().size(), 2u);
  EXPECT_EQ(app.Scalar("SELECT Notiz FROM tbl_Kalender"), arzt);
  EXPECT_EQ(dialog.cmb_Note.Text(), "Arztx");
}

TEST_F(NoteDialog, TextsWithApostrophesAreSavedOnceAndDeleted) {
  app.AddEntry(10, Dec(1), "U?", arzt);
  mv::frmNotiz& dialog = OpenCatalogue();
  dialog.cmb_Note.UserType("Dad's birthday");
  dialog.cmdSave.UserClick();
  const long saved = app.s().NoteNr;
  main->UserShortcut("Ctrl+N");
  dialog.cmb_Note.UserType("dad's BIRTHDAY");
  dialog.cmdSave.UserClick();
  EXPECT_EQ(app.s().NoteNr, saved);
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Notizen"), 3);

  app.Sql("UPDATE tbl_Kalender SET Notiz = " + std::to_string(saved));
  main->UserShortcut("Ctrl+N");
  dialog.cmb_Note.UserSelect(2);
  app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(Entries(dialog.cmb_Note), (std::vector<std::string>{"Arzt", "Kur"}));
  EXPECT_EQ(app.Scalar("SELECT Notiz FROM tbl_Kalender"), 0);
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

  main->UserShortcut("Ctrl+N");
  app.s().NoteNr = 7;
  app.s().frmNotiz.IfLoaded()->UserClose();
  EXPECT_EQ(app.s().NoteNr, 0);
  EXPECT_FALSE(app.s().frmNotiz.IsLoaded());
  EXPECT_TRUE(main->Enabled());
  EXPECT_EQ(Notes().size(), 2u);

  main->UserShortcut("Ctrl+N");
  EXPECT_EQ(Entries(app.s().frmNotiz.IfLoaded()->cmb_Note), (std::vector<std::string>{"Arzt", "Kur"}));
}

TEST_F(NoteDialog, HolidayWindowIsEnabledAgainInsteadOfTheMainWindow) {
  main = &Enter(app, 12, mv::GroupAdmin);
  main->SetEnabled(false);
  mv::frmFerien& holidays = app.s().frmFerien.Get();
  holidays.Show();
  holidays.SetEnabled(false);
  mv::frmNotiz& dialog = app.s().frmNotiz.Get();
  dialog.Show();
  EXPECT_FALSE(dialog.cmdSave.Enabled());
  dialog.cmb_Note.UserSelect(0);
  dialog.cmdSave.UserClick();

  EXPECT_EQ(app.s().NoteNr, arzt);
  EXPECT_TRUE(holidays.Enabled());
  EXPECT_FALSE(main->Enabled());
}

}  // namespace
