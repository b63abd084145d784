#pragma once
#include <limits>
#include <span>

#include "calc/types.h"

namespace calc {

// The Pasquill-Gifford laws of a rural site, X in kilometres:
//   sigmaY = ((1000 / 2.15) * X) * tan(T), T = c - (ln X * d) / ln e degrees;
//   sigmaZ = a * X^b of the class's band that holds X, or a fixed 5000 m.
SpreadParameters RuralSpread(StabilityClass cls, Kilometres X);

// The half-angle law's intercept c (degrees) and slope d (degrees per unit
// of ln X).
struct RuralSigmaYLaw {
  double c;
  double d;
};
const RuralSigmaYLaw& RuralSigmaYLawOf(StabilityClass cls);

// Metres of sigmaY per kilometre of distance and unit of tan T.
inline constexpr double kRuralSigmaYScale = 1000 / 2.15;

// One distance band of the vertical law. A band holds X when
// lower < X <= upper; a side without a limit has an infinite bound, so
// the test is the same for every band.
struct RuralSigmaZBand {
  Kilometres lower = -std::numeric_limits<double>::infinity();  // exclusive
  Kilometres upper = std::numeric_limits<double>::infinity();   // inclusive
  double a = 0;                                                 // sigmaZ at 1 km, metres
  double b = 0;                                                 // exponent
  Metres fixed = 0;  // a fixed sigmaZ instead of a * X^b; 0 when the band has its power law
};

// A class's bands, from the farthest to the nearest.
std::span<const RuralSigmaZBand> RuralSigmaZBands(StabilityClass cls);

}  // namespace calc
