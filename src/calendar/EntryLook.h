#pragma once
// How a calendar entry (KennZ) shows in the month and the annual grid: its letter by language
// and the background of its state.
#include <optional>
#include <string>

#include "forms/Color.h"

namespace mv {

// The type letter as shown: German keeps it, English translates U K Z D S to V D O T M.
// An unknown letter shows as itself in German and not at all in English.
std::string EntryLetter(const std::string& kennZ, int language);

// Yellow for "?", green for "/", red for "!"; nothing for any other last character.
std::optional<forms::Color> StateColor(const std::string& kennZ);

}  // namespace mv
