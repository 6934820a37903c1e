#pragma once

#include <stdexcept>
#include <string>

namespace forms {

// A run-time error of the platform (VB raises these; callers that "skip a failing step" catch
// them).
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace forms
