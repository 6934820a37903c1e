// The ways out of the main window: log-out, exit, and the reload of a language switch.
#include "calendar/frmKalender.h"
#include "core/FailureMessage.h"
#include "core/Main.h"
#include "db/Error.h"

namespace mv {

void frmKalender::mnuLogOut_Click() {
  // This window is discarded by its unload; the windows and the State stay.
  CalendarWindows& w = w_;
  State& s = w.s;
  // 1. The main window goes with its calendar, lists and captions.
  if (!w.frmKalender.Unload()) return;
  // 2. RsKalender closes with it.
  try {
    s.RsKalender.Close();
  } catch (const db::Error& e) {
    // A pending change that could not be saved: said, and the log-out goes on (it is closed).
    s.rt.MsgBox(FailureMessage(s, e), forms::vbOKOnly);
  }
  // 3. The empty login window, in the current language and masking; Conn stays open.
  LoadLoginWindow(w.core);
}

void ReloadMainWindow(CalendarWindows& w) {
  try {
    w.s.RsKalender.Close();
  } catch (const db::Error& e) {
    // As at log-out: said, and the reload goes on (the recordset is closed).
    w.s.rt.MsgBox(FailureMessage(w.s, e), forms::vbOKOnly);
  }
  w.frmKalender.Unload();
  w.frmKalender.Load();
}

void frmKalender::mnuTerminate_Click() {
  if (MsgBox(s_.T(103), forms::vbYesNo) != forms::vbYes) return;
  CalendarWindows& w = w_;
  w.s.Conn.Close();
  w.frmKalender.Unload();
  w.s.rt.End(0);
}

}  // namespace mv
