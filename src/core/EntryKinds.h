#pragma once
// The kinds of absence the month calendar enters and the actions taken on them. Each has one
// mapping to the parts of the stored code KennZ (type letter, state sign) and to its German
// keyword, which the confirmation questions quote.
//
// Exactly 14 codes exist: U, Z, D and S with "/" (approved), "?" (enquired) and "!" (declined);
// K with "/" (excused) and "!" (unexcused), never "K?".
#include <optional>
#include <string>
#include <string_view>

namespace mv {

// In the order of the mode list (texts 21 to 26); Löschen writes no code, it removes entries.
enum class EntryType { Löschen, Urlaub, Krank, Zeitausgleich, Dienstreise, Sonstiges };

// The three approval actions, and the two a sick day takes in their place.
enum class EntryAction { genehmigen, anfragen, ablehnen, Entschuldigt, Unentschuldigt };

// "Urlaub", "Krank", ...: the German keyword of the kind.
std::string_view Keyword(EntryType type);
// "genehmigen", "anfragen", ...
std::string_view Keyword(EntryAction action);

// The text number of the kind's name in the mode list and the info panel (21 Löschen to 26).
int NameText(EntryType type);

// The type letter of the code; none for Löschen.
std::optional<char> TypeLetter(EntryType type);

// "/" for genehmigen and Entschuldigt, "?" for anfragen, "!" for ablehnen and Unentschuldigt.
char Sign(EntryAction action);

// The code of a kind with a state sign; "" when the two form none of the 14 codes (Löschen, a
// sign other than / ? !, Krank with "?").
std::string KennZOf(EntryType type, char sign);

// The kind at a position of the mode list, whose group 3 version lacks Krank; none outside it.
std::optional<EntryType> ModeAt(int listIndex, bool employeeList);

}  // namespace mv
