#pragma once
// The yes/no question asked before the selected days are written or deleted.
#include <string>

#include "core/EntryKinds.h"

namespace mv {

struct Confirmation {
  std::string Prompt;
  std::string Title;
};

// language 2 English, else German. From equal to To asks for one day.
Confirmation EntryConfirmation(EntryType type, EntryAction action, int language,
                               const std::string& From, const std::string& To);

}  // namespace mv
