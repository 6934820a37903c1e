#pragma once
// Every write of the program's windows as a user makes it: from the main window of Zoller (an
// administrator, "zoller"/"pw") over the calendar tests' teams, with the note "Arzt", Berg's
// enquiry on 3 December and a holiday on 24 December in the file. Each opens its window, writes
// and closes the window again, answering its questions with yes.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ProofSupport.h"

namespace prooftest {

// What the write is to end in: the message of a refused write, or nothing for a write that
// succeeds (then what success shows is answered too).
using Refusal = std::optional<std::string>;

struct UserWrite {
  std::string name;
  std::function<void(mvtest::TestApp&, mv::frmKalender&, const Refusal&)> run;
};

const std::vector<UserWrite>& UserWrites();

// What the writes expect in the file beside the calendar tests' teams (SeedTeams).
void SeedForWrites(mvtest::TestApp& app);

}  // namespace prooftest
