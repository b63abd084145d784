#pragma once
#include <optional>
#include <span>

#include "calc/types.h"

namespace calc {

// One distance band of the Pasquill-Gifford vertical table. A band holds X
// when lower < X <= upper, a missing bound meaning no limit on that side.
struct RuralSigmaZBand {
  StabilityClass cls;
  std::optional<Kilometres> lower{};  // exclusive
  std::optional<Kilometres> upper{};  // inclusive
  double a = 0;                       // sigmaZ at 1 km, metres
  double b = 0;                       // exponent
  std::optional<Metres> fixed{};      // a fixed sigmaZ instead of a * X^b
};

// The 39 bands, per class from the farthest band to the nearest.
std::span<const RuralSigmaZBand> RuralSigmaZTable();

// sigmaZ in metres: a * X^b of the first band of the class that holds X.
Metres RuralSigmaZ(StabilityClass cls, Kilometres X);

}  // namespace calc
