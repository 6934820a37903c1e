#pragma once

#include <string>

namespace forms {

struct Font {
  std::string Name = "MS Sans Serif";
  double Size = 8.25;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;

  bool operator==(const Font&) const = default;
};

}  // namespace forms
