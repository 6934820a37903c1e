#pragma once

namespace forms {

// Local wall-clock time as the platform's clock reports it.
struct DateTime {
  int Year = 2000;
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;

  bool operator==(const DateTime&) const = default;
};

}  // namespace forms
