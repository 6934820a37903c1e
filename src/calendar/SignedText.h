#pragma once
// Numbers joined into query and date texts in the platform's signed decimal form.
#include <string>

namespace mv {

// " 5" for 5, "-5" for -5: one blank stands where a minus sign would.
inline std::string Str(long long n) { return (n < 0 ? "" : " ") + std::to_string(n); }

}  // namespace mv
