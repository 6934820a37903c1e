#include "calendar/EntryConfirmation.h"

#include "core/Texts.h"

namespace mv {

namespace {

const char* const CR = "\r";

std::string EnglishAction(const std::string& action) {
  if (action == "genehmigen") return "Approve ";
  if (action == "anfragen") return "Enquire ";
  if (action == "ablehnen") return "Decline ";
  if (action == "Entschuldigt") return "Excused ";
  if (action == "Unentschuldigt") return "Unexcused ";
  return "";
}

// The words naming the kind in a question: for one day, for several days.
struct KindWords {
  std::string One;
  std::string Range;
};

KindWords German(const std::string& type) {
  if (type == "Sonstiges") return {" sonstigen Tag ", "sonstige Tage "};
  if (type == "Zeitausgleich") return {" Zeitausgleich ", "Zeitausgleich "};
  if (type == "Dienstreise") return {" Dienstreise ", "Dienstreise "};
  return {" Urlaub ", "Urlaub "};
}

// The kind's words in the English questions (the one-day business trip keeps its typo).
KindWords English(const std::string& type) {
  if (type == "Sonstiges") return {"miscellaneous day on ", "miscellaneous days"};
  if (type == "Zeitausgleich") return {"overtime offset on ", "overtime offset days"};
  if (type == "Dienstreise") return {"buisiness trip on ", "business trip"};
  return {"vacation on ", "vacation"};
}

std::string GermanPrompt(const std::string& type, const std::string& act, bool oneDay,
                         const std::string& From, const std::string& To) {
  if (type == "Löschen") {
    return oneDay ? "Eintragung vom " + From + CR + "wirklich löschen?"
                  : "Eintragungen vom " + From + " bis " + To + CR + "wirklich löschen?";
  }
  if (type == "Krank") {
    return oneDay ? act + " krank am " + From + " ?"
                  : act + " krank" + CR + "Vom " + From + " bis " + To + "?";
  }
  const KindWords kind = German(type);
  return oneDay ? "Am " + From + kind.One + act + " ?"
                : "Vom " + From + " bis " + To + CR + kind.Range + act + " ?";
}

std::string EnglishPrompt(const std::string& type, const std::string& act, bool oneDay,
                          const std::string& From, const std::string& To) {
  if (type == "Löschen") {
    return oneDay ? "Really delete the entry on " + From + " ?"
                  : "Really delete entries" + std::string(CR) + "from " + From + " to " + To + "?";
  }
  const std::string enAct = EnglishAction(act);
  if (type == "Krank") {
    return oneDay ? enAct + "disease on " + From + " ?"
                  : enAct + "disease" + CR + "from " + From + " to " + To + " ?";
  }
  const KindWords kind = English(type);
  return oneDay ? enAct + kind.One + From + " ?"
                : enAct + kind.Range + CR + "from " + From + " to " + To + "?";
}

}  // namespace

Confirmation EntryConfirmation(const std::string& type, const std::string& action, int language,
                               const std::string& From, const std::string& To) {
  const bool oneDay = From == To;
  if (language != LanguageEnglish)
    return {GermanPrompt(type, action, oneDay, From, To), "Bitte bestätigen"};
  const bool misspelt =
      oneDay && (type == "Sonstiges" || type == "Zeitausgleich" || type == "Dienstreise");
  return {EnglishPrompt(type, action, oneDay, From, To),
          misspelt ? "Pleas confirm" : "Please confirm"};
}

}  // namespace mv
