#include "calendar/EntryConfirmation.h"

#include "core/Texts.h"

namespace mv {

namespace {

const char* const CR = "\r";

std::string EnglishAction(EntryAction action) {
  switch (action) {
    case EntryAction::genehmigen:
      return "Approve ";
    case EntryAction::anfragen:
      return "Enquire ";
    case EntryAction::ablehnen:
      return "Decline ";
    case EntryAction::Entschuldigt:
      return "Excused ";
    case EntryAction::Unentschuldigt:
      return "Unexcused ";
  }
  return "";
}

// The words naming the kind in a question: for one day, for several days.
struct KindWords {
  std::string One;
  std::string Range;
};

KindWords German(EntryType type) {
  switch (type) {
    case EntryType::Sonstiges:
      return {" sonstigen Tag ", "sonstige Tage "};
    case EntryType::Zeitausgleich:
      return {" Zeitausgleich ", "Zeitausgleich "};
    case EntryType::Dienstreise:
      return {" Dienstreise ", "Dienstreise "};
    default:
      return {" Urlaub ", "Urlaub "};
  }
}

// The kind's words in the English questions (the one-day business trip keeps its typo).
KindWords English(EntryType type) {
  switch (type) {
    case EntryType::Sonstiges:
      return {"miscellaneous day on ", "miscellaneous days"};
    case EntryType::Zeitausgleich:
      return {"overtime offset on ", "overtime offset days"};
    case EntryType::Dienstreise:
      return {"buisiness trip on ", "business trip"};
    default:
      return {"vacation on ", "vacation"};
  }
}

std::string GermanPrompt(EntryType type, EntryAction action, bool oneDay, const std::string& From,
                         const std::string& To) {
  const std::string act(Keyword(action));
  if (type == EntryType::Löschen) {
    return oneDay ? "Eintragung vom " + From + CR + "wirklich löschen?"
                  : "Eintragungen vom " + From + " bis " + To + CR + "wirklich löschen?";
  }
  if (type == EntryType::Krank) {
    return oneDay ? act + " krank am " + From + " ?"
                  : act + " krank" + CR + "Vom " + From + " bis " + To + "?";
  }
  const KindWords kind = German(type);
  return oneDay ? "Am " + From + kind.One + act + " ?"
                : "Vom " + From + " bis " + To + CR + kind.Range + act + " ?";
}

std::string EnglishPrompt(EntryType type, EntryAction action, bool oneDay, const std::string& From,
                          const std::string& To) {
  if (type == EntryType::Löschen) {
    return oneDay ? "Really delete the entry on " + From + " ?"
                  : "Really delete entries" + std::string(CR) + "from " + From + " to " + To + "?";
  }
  const std::string enAct = EnglishAction(action);
  if (type == EntryType::Krank) {
    return oneDay ? enAct + "disease on " + From + " ?"
                  : enAct + "disease" + CR + "from " + From + " to " + To + " ?";
  }
  const KindWords kind = English(type);
  return oneDay ? enAct + kind.One + From + " ?"
                : enAct + kind.Range + CR + "from " + From + " to " + To + "?";
}

}  // namespace

Confirmation EntryConfirmation(EntryType type, EntryAction action, int language,
                               const std::string& From, const std::string& To) {
  const bool oneDay = From == To;
  if (language != LanguageEnglish)
    return {GermanPrompt(type, action, oneDay, From, To), "Bitte bestätigen"};
  const bool misspelt =
      oneDay && (type == EntryType::Sonstiges || type == EntryType::Zeitausgleich ||
                 type == EntryType::Dienstreise);
  return {EnglishPrompt(type, action, oneDay, From, To),
          misspelt ? "Pleas confirm" : "Please confirm"};
}

}  // namespace mv
