#include <string>

#include "calendar/AbsenceChecks.h"
#include "calendar/CalendarGrid.h"
#include "calendar/EntryConfirmation.h"
#include "calendar/EntryRows.h"
#include "calendar/SelectedDays.h"
#include "calendar/frmKalender.h"
#include "calendar/frmNotiz.h"
#include "core/FailureReport.h"
#include "db/Error.h"

namespace mv {

namespace {

// Day, month and year without leading zeros: "5.3.2007".
std::string PeriodDay(const State& s, int col) {
  return std::to_string(col) + "." + std::to_string(s.CurrentMonth) + "." +
         std::to_string(s.CurrentYear);
}

bool NoteDialogShown(CalendarWindows& w) {
  const frmNotiz* dialog = w.frmNotiz.IfLoaded();
  return dialog && dialog->Visible();
}

bool Confirmed(State& s, frmKalender& window, const std::string& From, const std::string& To) {
  const Confirmation question =
      EntryConfirmation(s.CurrentType, s.CurrentAction, s.Language(), From, To);
  return window.MsgBox(question.Prompt, forms::vbYesNo, question.Title) == forms::vbYes;
}

// NoteNr: the note chosen in the note dialog, 0 when the user wants none or closes it unsaved.
void AskForNote(CalendarWindows& w, frmKalender& window) {
  State& s = w.s;
  if (window.MsgBox(s.T(TxtNoteQuestion), forms::vbYesNo, s.T(TxtNoteFunction)) == forms::vbYes) {
    window.PrepareNoteDialog();
    w.frmNotiz->Show();
  } else {
    s.NoteNr = 0;
  }
  do {
    s.rt.DoEvents();
  } while (NoteDialogShown(w));
}

void EnterDays(CalendarWindows& w, frmKalender& window, int first, int last) {
  State& s = w.s;
  const bool yes = Confirmed(s, window, DayText(s, first), DayText(s, last));
  if (s.CurrentType != EntryType::Krank) {
    LoadDependencies(s);
    s.HasDeps = s.DepPersNr[1] > 0 || s.DepPersNr[2] > 0 || s.DepPersNr[3] > 0;
  }
  if (s.CurrentAction == EntryAction::ablehnen) s.HasDeps = false;
  if (!yes || CheckAbsenceLimits(w)) return;
  AskForNote(w, window);
  WriteSelectedDays(w, first, last);
}

void DeleteDays(State& s, frmKalender& window, int first, int last) {
  if (Confirmed(s, window, DayText(s, first), DayText(s, last))) DeleteSelectedDays(s, first, last);
}

}  // namespace

void frmKalender::ApplyModeToSelection() {
  // From the confirmation to the last write the window takes no input, so nothing changes the
  // employee, days, month, year or code that were confirmed. It comes forward again afterwards:
  // the note dialog left it disabled when it closed.
  entering_ = true;
  SetEnabled(false);
  const struct Done {
    frmKalender& k;
    ~Done() {
      k.entering_ = false;
      k.SetEnabled(true);
      if (!k.IsActive()) k.Show();
    }
  } done{*this};
  if (s_.SelStart) {
    const int first = *s_.SelStart;
    const int last = s_.SelEndCol;
    s_.HasDeps = false;
    try {
      if (s_.CurrentType == EntryType::Löschen) {
        DeleteDays(s_, *this, first, last);
      } else {
        EnterDays(w_, *this, first, last);
      }
    } catch (const db::Error& e) {
      ShowFailure(s_, e);
    }
  }
  FillCalendar(w_, CalendarPass::Team);
  opt_Info_Click(s_.InfoIndex);
  s_.SelStart.reset();
}

void frmKalender::PrepareNoteDialog() {
  frmNotiz& dialog = w_.frmNotiz.Get();
  dialog.SetCaption(s_.Language() == LanguageGerman ? "Notiz hinzufügen" : "Append notice");
  dialog.cmdSave.SetEnabled(false);
  const int first = s_.SelStart.value_or(s_.SelEndCol);
  std::string period = PeriodDay(s_, first);
  if (s_.SelEndCol != first) period += " - " + PeriodDay(s_, s_.SelEndCol);
  dialog.lbl_Zeitraum.SetCaption(period);
}

void frmKalender::mnuNotizen_Click() {
  frmNotiz& dialog = w_.frmNotiz.Get();
  dialog.cmdSave.SetEnabled(false);
  dialog.cmdDelete.SetEnabled(false);
  dialog.SetCaption(s_.T(TxtNotes));
  dialog.lbl_Zeitraum.SetCaption(s_.T(74));
  dialog.Show();
  SetEnabled(false);
}

}  // namespace mv
