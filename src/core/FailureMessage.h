#pragma once
// What the user reads when the database refused a step.
#include <string>

#include "core/State.h"
#include "db/Error.h"

namespace mv {

// A file another program holds locked, a file or folder that cannot be written, a full disk, or a
// value the table's constraints refuse: the program's own words in the user's language, saying
// that nothing was written. Every other failure keeps the database layer's description.
std::string FailureMessage(const State& s, const db::Error& failure);

}  // namespace mv
