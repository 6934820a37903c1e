#include "core/EntryKinds.h"

#include <array>

namespace mv {

namespace {

constexpr std::array kTypes = {EntryType::Löschen,     EntryType::Urlaub,
                               EntryType::Krank,       EntryType::Zeitausgleich,
                               EntryType::Dienstreise, EntryType::Sonstiges};
constexpr std::array kEmployeeTypes = {EntryType::Löschen, EntryType::Urlaub,
                                       EntryType::Zeitausgleich, EntryType::Dienstreise,
                                       EntryType::Sonstiges};

}  // namespace

std::string_view Keyword(EntryType type) {
  switch (type) {
    case EntryType::Löschen:
      return "Löschen";
    case EntryType::Urlaub:
      return "Urlaub";
    case EntryType::Krank:
      return "Krank";
    case EntryType::Zeitausgleich:
      return "Zeitausgleich";
    case EntryType::Dienstreise:
      return "Dienstreise";
    case EntryType::Sonstiges:
      return "Sonstiges";
  }
  return "";
}

std::string_view Keyword(EntryAction action) {
  switch (action) {
    case EntryAction::genehmigen:
      return "genehmigen";
    case EntryAction::anfragen:
      return "anfragen";
    case EntryAction::ablehnen:
      return "ablehnen";
    case EntryAction::Entschuldigt:
      return "Entschuldigt";
    case EntryAction::Unentschuldigt:
      return "Unentschuldigt";
  }
  return "";
}

int NameText(EntryType type) { return 21 + static_cast<int>(type); }

std::optional<char> TypeLetter(EntryType type) {
  if (type == EntryType::Löschen) return std::nullopt;
  return Keyword(type).front();
}

char Sign(EntryAction action) {
  switch (action) {
    case EntryAction::genehmigen:
    case EntryAction::Entschuldigt:
      return '/';
    case EntryAction::anfragen:
      return '?';
    case EntryAction::ablehnen:
    case EntryAction::Unentschuldigt:
      return '!';
  }
  return '?';
}

std::string KennZOf(EntryType type, char sign) {
  const std::optional<char> letter = TypeLetter(type);
  if (!letter || (sign != '/' && sign != '?' && sign != '!')) return "";
  if (type == EntryType::Krank && sign == '?') return "";
  return {*letter, sign};
}

std::optional<EntryType> ModeAt(int listIndex, bool employeeList) {
  const auto pick = [listIndex](const auto& list) -> std::optional<EntryType> {
    if (listIndex < 0 || listIndex >= static_cast<int>(list.size())) return std::nullopt;
    return list[static_cast<std::size_t>(listIndex)];
  };
  return employeeList ? pick(kEmployeeTypes) : pick(kTypes);
}

}  // namespace mv
