#pragma once

#include <array>
#include <string>

namespace mv {

// The columns of the text table; also the values of the setting `Language`.
inline constexpr int LanguageGerman = 1;
inline constexpr int LanguageEnglish = 2;

inline constexpr int TextCount = 200;

// The numbers of the texts that several windows show.
enum TextId : int {
  TxtNoteQuestion = 50,     // whether to attach a note to the selected days
  TxtClose = 52,            // "Schließen"
  TxtNoteFunction = 53,     // the title of the note question
  TxtCloseWindow = 66,      // "Fenster schliessen"
  TxtImportantNotice = 89,  // the title of the limit and dependency questions
  TxtProgramTitle = 116,    // "Morvellan"
  TxtPrintingView = 123,    // the status line while the view prints
  TxtEmployeeCount = 126,   // the status line's count of employees
  TxtNotes = 159,           // "Notizen"
};

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
