#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forms::utf8 {

// Code points of a UTF-8 text (invalid bytes pass through as single code points).
std::vector<int> Decode(std::string_view text);
std::string Encode(int codePoint);
std::string Encode(const std::vector<int>& codePoints);
int Length(std::string_view text);

}  // namespace forms::utf8
