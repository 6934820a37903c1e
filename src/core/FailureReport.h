#pragma once
// How failed database steps reach the user within one user action (a click, a key, a pointer
// step, with all that it runs): each piece of news once, and a busy file waited for once, so that
// another program's lock freezes the window no longer than one wait and shows no flood of boxes.
#include <string>

#include "core/State.h"
#include "db/Connection.h"
#include "db/Error.h"

namespace mv {

// Shows FailureMessage, after lead when one is given, unless the action under way has told the
// same already: the same state of the file (busy, read-only, full, a table missing), whatever step
// met it, or the same reason. Once the file was found busy, every later step of the action fails
// at once instead of waiting again. Outside a user action (the start-up) every failure is shown.
void ShowFailure(State& s, const db::Error& failure, const std::string& lead = "");

// A failure its caller tells later in the same action, in its own words: it counts as told.
void TakeFailure(State& s, const db::Error& failure);

// While it lives, a busy file is waited for only briefly: for reads that only follow the pointer,
// which another copy's short write should not fail, nor its long lock freeze.
class BriefWait {
 public:
  explicit BriefWait(db::Connection& conn);
  ~BriefWait();
  BriefWait(const BriefWait&) = delete;
  BriefWait& operator=(const BriefWait&) = delete;

 private:
  db::Connection& conn_;
  int wait_;
};

}  // namespace mv
