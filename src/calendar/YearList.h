#pragma once
// The years every year list offers: from 2003 to the later of 2020 and next year, so that the
// program stays usable after 2020.
#include <algorithm>

#include "forms/Runtime.h"

namespace mv {

constexpr int FirstListYear = 2003;

inline int LastListYear(const forms::Runtime& rt) { return std::max(2020, rt.Today().Year + 1); }

}  // namespace mv
