#pragma once
// Blanks around a text, which a user cannot see in a field and cannot be expected to type again.
#include <string>
#include <string_view>

namespace text {

// The text without the blanks at both ends; "" for a text of blanks alone.
std::string TrimBlanks(std::string_view text);
// The text without the blanks at its end: a fixed-width field's padding.
std::string TrimTrailingBlanks(std::string_view text);

}  // namespace text
