#include "calendar/EntryLook.h"

#include "core/Texts.h"
#include "text/Utf8.h"

namespace mv {

std::string EntryLetter(const std::string& kennZ, int language) {
  if (kennZ.empty()) return "";
  if (language != LanguageEnglish) return text::FirstCharacters(kennZ, 1);
  switch (kennZ[0]) {
    case 'U':
      return "V";
    case 'K':
      return "D";
    case 'Z':
      return "O";
    case 'D':
      return "T";
    case 'S':
      return "M";
    default:
      return "";
  }
}

std::optional<forms::Color> StateColor(const std::string& kennZ) {
  if (kennZ.empty()) return std::nullopt;
  switch (kennZ.back()) {
    case '?':
      return forms::vbYellow;
    case '/':
      return forms::vbGreen;
    case '!':
      return forms::vbRed;
    default:
      return std::nullopt;
  }
}

}  // namespace mv
