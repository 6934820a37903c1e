#pragma once
// Windows-1252, the single-byte character set of the settings file's texts.
#include <string>
#include <string_view>

namespace text {

// A character Windows-1252 lacks becomes '?'.
std::string ToWindows1252(std::string_view utf8);
std::string FromWindows1252(std::string_view bytes);

}  // namespace text
