#pragma once
// The yes/no question asked before the selected days are written or deleted.
#include <string>

namespace mv {

struct Confirmation {
  std::string Prompt;
  std::string Title;
};

// type: the German keyword ("Löschen", "Urlaub", ...); action: the German action word;
// language 2 English, else German. From equal to To asks for one day.
Confirmation EntryConfirmation(const std::string& type, const std::string& action, int language,
                               const std::string& From, const std::string& To);

}  // namespace mv
