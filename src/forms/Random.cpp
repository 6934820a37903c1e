#include "forms/Random.h"

#include <cstring>

namespace forms {

void Random::Randomize(double seed) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &seed, sizeof bits);
  const auto high = static_cast<std::uint32_t>(bits >> 32);
  // VB folds the high half of the double into the middle bytes of its 24-bit state.
  state_ = (((high & 0xFFFF) ^ (high >> 16)) << 8) & 0xFFFF00;
}

float Random::Rnd() {
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return static_cast<float>(state_) / 16777216.0f;
}

}  // namespace forms
