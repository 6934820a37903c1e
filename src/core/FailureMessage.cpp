#include "core/FailureMessage.h"

namespace mv {

std::string FailureMessage(const State& s, const db::Error& failure) {
  const bool english = s.Language() == LanguageEnglish;
  switch (failure.Kind()) {
    case db::ErrorKind::Busy:
      return english ? "The database is in use by another program, which holds it locked. "
                       "Nothing was written. Please try again in a moment."
                     : "Die Datenbank wird gerade von einem anderen Programm benutzt, das sie "
                       "gesperrt hält. Es wurde nichts geschrieben. Bitte versuchen Sie es gleich "
                       "noch einmal.";
    case db::ErrorKind::NotWritable:
      return english ? "The database cannot be written: the file or its folder is read-only. "
                       "Nothing was written."
                     : "In die Datenbank kann nicht geschrieben werden: die Datei oder ihr Ordner "
                       "ist schreibgeschützt. Es wurde nichts geschrieben.";
    case db::ErrorKind::DiskFull:
      return english ? "The database cannot be written: the disk is full. Nothing was written."
                     : "In die Datenbank kann nicht geschrieben werden: der Datenträger ist voll. "
                       "Es wurde nichts geschrieben.";
    case db::ErrorKind::Constraint:
      return english ? "The database did not take the entry: a text is too long for its field, a "
                       "number is out of its range, a field is empty, or the key is taken "
                       "already. Nothing was written."
                     : "Die Datenbank hat die Eingabe nicht angenommen: ein Text ist zu lang für "
                       "sein Feld, eine Zahl liegt außerhalb ihres Bereichs, ein Feld ist leer "
                       "oder der Schlüssel ist schon vergeben. Es wurde nichts geschrieben.";
    default:
      return failure.what();
  }
}

}  // namespace mv
