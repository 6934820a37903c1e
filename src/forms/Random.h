#pragma once

#include <cstdint>

namespace forms {

// VB's Rnd: a 24-bit linear congruential sequence; Randomize with a seed restarts it reproducibly.
class Random {
 public:
  void Randomize(double seed);
  // In [0, 1).
  float Rnd();

 private:
  std::uint32_t state_ = 0x50000;
};

}  // namespace forms
