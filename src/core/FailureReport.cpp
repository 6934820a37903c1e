#include "core/FailureReport.h"

#include <algorithm>

#include "core/FailureMessage.h"

namespace mv {

namespace {

constexpr int kBriefWaitMs = 200;

// Failures that say how the file is, not what one step did.
bool FileState(db::ErrorKind kind) {
  switch (kind) {
    case db::ErrorKind::Busy:
    case db::ErrorKind::NotWritable:
    case db::ErrorKind::DiskFull:
    case db::ErrorKind::TableNotFound:
      return true;
    default:
      return false;
  }
}

void EndOfAction(State& s) {
  if (s.BusyWaitKept) s.Conn.SetBusyTimeout(*s.BusyWaitKept);
  s.BusyWaitKept.reset();
  s.FailuresSaid.clear();
}

// Whether the failure is news in the user action under way; from now on it is not.
bool News(State& s, const db::Error& failure, const std::string& reason) {
  forms::WindowManager& windows = s.rt.Windows();
  if (!windows.InUserAction()) return true;
  if (s.FailuresSaid.empty()) windows.AtEndOfUserAction([&s] { EndOfAction(s); });
  if (failure.Kind() == db::ErrorKind::Busy && !s.BusyWaitKept) {
    s.BusyWaitKept = s.Conn.BusyTimeout();
    s.Conn.SetBusyTimeout(0);
  }
  const bool told = std::ranges::any_of(s.FailuresSaid, [&](const State::SaidFailure& said) {
    return said.Kind == failure.Kind() && (FileState(said.Kind) || said.Reason == reason);
  });
  if (!told) s.FailuresSaid.push_back({failure.Kind(), reason});
  return !told;
}

}  // namespace

void ShowFailure(State& s, const db::Error& failure, const std::string& lead) {
  const std::string reason = FailureMessage(s, failure);
  if (News(s, failure, reason)) s.rt.MsgBox(lead.empty() ? reason : lead + "\r" + reason);
}

void TakeFailure(State& s, const db::Error& failure) {
  News(s, failure, FailureMessage(s, failure));
}

BriefWait::BriefWait(db::Connection& conn) : conn_(conn), wait_(conn.BusyTimeout()) {
  conn_.SetBusyTimeout(std::min(wait_, kBriefWaitMs));
}

BriefWait::~BriefWait() { conn_.SetBusyTimeout(wait_); }

}  // namespace mv
