#pragma once
// The absence code KennZ (type letter and state sign) and the action row's choices that lead to it.
//
// Exactly 14 codes exist: U, Z, D and S with "/" (approved), "?" (enquired) and "!" (declined);
// K with "/" (excused) and "!" (unexcused), never "K?".
#include <string>
#include <string_view>

#include "core/State.h"

namespace mv {

// The German type keyword at a position of the mode list; "" for a position outside it.
// Group 3's list lacks "Krank".
std::string ModeKeyword(int listIndex, int userGroup);

// "/" for "genehmigen" and "Entschuldigt", "?" for "anfragen", "!" for "ablehnen" and
// "Unentschuldigt"; "" for any other text.
std::string SignOf(std::string_view action);

// The code of a type keyword ("Urlaub", "Krank", ...) with a sign; "" when the two form none of
// the 14 codes ("Löschen", an unknown keyword or sign, "Krank" with "?").
std::string KennZOf(std::string_view type, std::string_view sign);

// The action row's choices: set CurrentAction and show the choice (label underlined, option set).
void SelectApprove(State& s);
void SelectEnquire(State& s);
void SelectDecline(State& s);

// CurrentSign and CurrentKennZ from CurrentAction and CurrentType, and the current cell of the
// month grid painted in the sign's colour as a preview. CurrentKennZ is "" when the mode and
// action form no code, which the action row never lets happen.
void PrepareKennZ(State& s);

}  // namespace mv
