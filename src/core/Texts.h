#pragma once

#include <array>
#include <string>

namespace mv {

// The columns of the text table; also the values of the setting `Language`.
inline constexpr int LanguageGerman = 1;
inline constexpr int LanguageEnglish = 2;

inline constexpr int TextCount = 200;

// Every caption, menu entry, tooltip and message of the program, by number and language.
// Texts are UTF-8; a line break inside a text is a single "\r".
class TextTable {
 public:
  // Text 149 names the local database file, so the program folder is needed here.
  void Fill(const std::string& programFolder);

  // Numbers without an entry, and numbers or languages out of range, give the empty text.
  const std::string& operator()(int id, int language) const;

 private:
  std::array<std::array<std::string, 2>, TextCount> texts_;
};

}  // namespace mv
