#pragma once
#include <optional>
#include <span>

#include "calc/types.h"

namespace calc {

// The Pasquill-Gifford laws of a rural site, X in kilometres:
//   sigmaY = ((1000 / 2.15) * X) * tan(T), T = c - (ln X * d) / ln e degrees;
//   sigmaZ = a * X^b of the class's band that holds X, or a fixed 5000 m.
SpreadParameters RuralSpread(StabilityClass cls, Kilometres X);

// One distance band of the vertical law. A band holds X when
// lower < X <= upper, a missing bound meaning no limit on that side.
struct RuralSigmaZBand {
  std::optional<Kilometres> lower{};  // exclusive
  std::optional<Kilometres> upper{};  // inclusive
  double a = 0;                       // sigmaZ at 1 km, metres
  double b = 0;                       // exponent
  std::optional<Metres> fixed{};      // a fixed sigmaZ instead of a * X^b
};

// A class's bands, from the farthest to the nearest.
std::span<const RuralSigmaZBand> RuralSigmaZBands(StabilityClass cls);

}  // namespace calc
