#include "calendar/frmNotiz.h"

#include <string>

#include "calendar/frmKalender.h"
#include "core/FailureMessage.h"
#include "core/WriteGuard.h"
#include "db/Db.h"
#include "text/Utf8.h"

namespace mv {

namespace {

constexpr std::size_t kNoteLength = 100;

std::string NoteCriterion(const std::string& text) { return "Text = " + db::Quote(text); }

// Read again when the dialog's opening could not read it (the file was locked then), so that a
// write meets the catalogue as the file holds it now.
void ReadCatalogueIfClosed(State& s) {
  if (!s.RsNotizen.IsOpen())
    s.RsNotizen.Open("tbl_Notizen", s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
}

// Every tbl_Kalender row that refers to the note, also those written by another running copy
// since RsKalender was opened.
void ClearNoteReferences(State& s, long noteNr) {
  db::Recordset& rs = s.RsKalender;
  rs.Requery();
  const std::string criterion = "Notiz = " + std::to_string(noteNr);
  for (rs.Find(criterion); !rs.EOF(); rs.Find(criterion)) {
    rs["notiz"] = 0;
    rs.Update();
    rs.MoveNext();
  }
}

}  // namespace

frmNotiz::frmNotiz(CalendarWindows& windows)
    : forms::Form(windows.s.rt, "frmNotiz"), w_(windows), s_(windows.s) {
  LayOut();
  cmb_Note.Change = [this] { cmb_Note_Change(); };
  cmb_Note.Click = [this] { cmb_Note_Click(); };
  cmdSave.Click = [this] { cmdSave_Click(); };
  cmdAbort.Click = [this] { cmdAbort_Click(); };
  cmdDelete.Click = [this] { cmdDelete_Click(); };
}

void frmNotiz::LayOut() {
  SetBorderStyle(3);
  SetMinButton(false);
  SetMaxButton(false);
  Move(3600, 2700, 5040, 2145);
  lbl_Zeitraum.Move(240, 180, 4455, 255);
  cmb_Note.SetStyle(forms::vbComboDropdown);
  cmb_Note.Move(240, 495, 4455, 315);
  cmdSave.Move(240, 1080, 1335, 375);
  cmdSave.SetDefault(true);
  cmdDelete.Move(1800, 1080, 1335, 375);
  cmdAbort.Move(3360, 1080, 1335, 375);
  cmdAbort.SetCancel(true);
}

void frmNotiz::Form_Activate() {
  cmdSave.SetCaption(s_.T(51));
  cmdAbort.SetCaption(s_.T(TxtClose));
  cmdDelete.SetCaption(s_.T(21));
  // Clearing the list empties the edit field too: nothing is there to save or delete.
  cmb_Note.Clear();
  cmdSave.SetEnabled(false);
  cmdDelete.SetEnabled(false);
  db::Recordset& rs = s_.RsNotizen;
  try {
    rs.Close();
    rs.Open("tbl_Notizen", s_.Conn, db::CursorType::Static, db::LockType::Pessimistic);
    if (frmKalender* main = w_.frmKalender.IfLoaded()) {
      main->lbl_Status.SetCaption(s_.T(125) + std::to_string(rs.RecordCount()));
    }
    for (; !rs.EOF(); rs.MoveNext()) cmb_Note.AddItem(rs["Text"].Text());
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
}

void frmNotiz::cmb_Note_Change() { cmdSave.SetEnabled(!cmb_Note.Text().empty()); }

void frmNotiz::cmb_Note_Click() {
  const bool chosen = !cmb_Note.Text().empty();
  cmdSave.SetEnabled(chosen);
  cmdDelete.SetEnabled(chosen);
}

void frmNotiz::cmdSave_Click() {
  // Searched as stored, so that a long text saved twice is still stored once.
  const std::string text = text::FirstCharacters(cmb_Note.Text(), kNoteLength);
  db::Recordset& rs = s_.RsNotizen;
  try {
    ReadCatalogueIfClosed(s_);
    if (rs.RecordCount() > 0) rs.MoveFirst();
    rs.Find(NoteCriterion(text));
    if (rs.EOF()) {
      rs.AddNew();
      rs["Text"] = text;
      rs.Update();
    }
    s_.NoteNr = rs["LfdNr"].Int();
  } catch (const db::Error& e) {
    rs.CancelUpdate();
    ShowFailure(e);
    return;
  }
  CloseDialog();
}

void frmNotiz::cmdAbort_Click() {
  s_.NoteNr = 0;
  CloseDialog();
}

void frmNotiz::cmdDelete_Click() {
  if (MsgBox(s_.T(75), forms::vbYesNo) != forms::vbYes) return;
  db::Recordset& rs = s_.RsNotizen;
  try {
    ReadCatalogueIfClosed(s_);
    if (rs.RecordCount() == 0) return;
    rs.MoveFirst();
    rs.Find(NoteCriterion(cmb_Note.Text()));
    if (rs.EOF()) return;
    {
      WriteGuard guard(s_.Conn, {&s_.RsKalender, &rs});
      ClearNoteReferences(s_, rs["LfdNr"].Int());
      rs.Delete();
      guard.Commit();
    }
    rs.Close();
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
  Form_Activate();
}

void frmNotiz::Form_QueryUnload(int&, int) { cmdAbort_Click(); }

void frmNotiz::CloseDialog() {
  // A failed save has already dropped its row, so nothing is left to save.
  s_.RsNotizen.Discard();
  if (forms::Form* holidays = Follow(w_.links.ShownHolidayWindow)) {
    holidays->SetEnabled(true);
  } else if (frmKalender* main = w_.frmKalender.IfLoaded(); main && !main->EntryUnderWay()) {
    main->SetEnabled(true);
  }
  Hide();
}

void frmNotiz::ShowFailure(const db::Error& failure) {
  MsgBox(FailureMessage(s_, failure), forms::vbOKOnly);
}

}  // namespace mv
