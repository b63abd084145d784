#include "calc/rural_spread.h"

#include <cmath>
#include <limits>

#include "calc/constants.h"

namespace calc {
namespace {

// D's intercept is the decimal 8.3333, not 25/3; A's slope is 2.5335 and F's
// intercept 4.167, the values the law is run with.
constexpr PerClass<RuralSigmaYLaw> kSigmaYLaws{
    .A = {24.167, 2.5335},
    .B = {18.333, 1.8096},
    .C = {12.5, 1.0857},
    .D = {8.3333, 0.72382},
    .E = {6.25, 0.54287},
    .F = {4.167, 0.36191},
};

// The vertical bands, per class from the farthest to the nearest. Class A
// beyond 3.11 km and class B beyond 35 km take a fixed 5000 m; F's nearest
// exponent is 0.8158.
constexpr RuralSigmaZBand kBandsA[] = {
    {.lower = 3.11, .fixed = 5000},
    {.lower = 0.5, .upper = 3.11, .a = 453.85, .b = 2.1166},
    {.lower = 0.4, .upper = 0.5, .a = 346.75, .b = 1.7283},
    {.lower = 0.3, .upper = 0.4, .a = 258.89, .b = 1.4094},
    {.lower = 0.25, .upper = 0.3, .a = 217.41, .b = 1.2644},
    {.lower = 0.2, .upper = 0.25, .a = 179.52, .b = 1.1262},
    {.lower = 0.15, .upper = 0.2, .a = 170.22, .b = 1.0932},
    {.lower = 0.1, .upper = 0.15, .a = 158.08, .b = 1.0542},
    {.upper = 0.1, .a = 122.8, .b = 0.9447},
};
constexpr RuralSigmaZBand kBandsB[] = {
    {.lower = 35, .fixed = 5000},
    {.lower = 0.4, .upper = 35, .a = 109.3, .b = 1.0971},
    {.lower = 0.2, .upper = 0.4, .a = 98.483, .b = 0.98332},
    {.upper = 0.2, .a = 90.673, .b = 0.93198},
};
constexpr RuralSigmaZBand kBandsC[] = {
    {.a = 61.141, .b = 0.91465},
};
constexpr RuralSigmaZBand kBandsD[] = {
    {.lower = 30, .a = 44.053, .b = 0.51179},
    {.lower = 10, .upper = 30, .a = 36.65, .b = 0.56589},
    {.lower = 3, .upper = 10, .a = 33.504, .b = 0.60486},
    {.lower = 1, .upper = 3, .a = 32.093, .b = 0.64403},
    {.lower = 0.3, .upper = 1, .a = 32.093, .b = 0.81006},
    {.upper = 0.3, .a = 34.459, .b = 0.86974},
};
constexpr RuralSigmaZBand kBandsE[] = {
    {.lower = 40, .a = 47.618, .b = 0.29592},
    {.lower = 20, .upper = 40, .a = 35.42, .b = 0.37615},
    {.lower = 10, .upper = 20, .a = 26.97, .b = 0.46713},
    {.lower = 4, .upper = 10, .a = 24.703, .b = 0.50527},
    {.lower = 2, .upper = 4, .a = 22.534, .b = 0.57154},
    {.lower = 1, .upper = 2, .a = 21.628, .b = 0.63077},
    {.lower = 0.3, .upper = 1, .a = 21.628, .b = 0.7566},
    {.lower = 0.1, .upper = 0.3, .a = 23.331, .b = 0.81956},
    {.upper = 0.1, .a = 24.26, .b = 0.8366},
};
constexpr RuralSigmaZBand kBandsF[] = {
    {.lower = 60, .a = 34.219, .b = 0.21716},
    {.lower = 30, .upper = 60, .a = 27.074, .b = 0.27436},
    {.lower = 15, .upper = 30, .a = 22.651, .b = 0.32681},
    {.lower = 7, .upper = 15, .a = 17.836, .b = 0.415},
    {.lower = 3, .upper = 7, .a = 16.187, .b = 0.4649},
    {.lower = 2, .upper = 3, .a = 14.823, .b = 0.54503},
    {.lower = 1, .upper = 2, .a = 13.953, .b = 0.63227},
    {.lower = 0.7, .upper = 1, .a = 13.953, .b = 0.68465},
    {.lower = 0.2, .upper = 0.7, .a = 14.457, .b = 0.78407},
    {.upper = 0.2, .a = 15.209, .b = 0.8158},
};
constexpr PerClass<std::span<const RuralSigmaZBand>> kSigmaZBands{
    .A = kBandsA, .B = kBandsB, .C = kBandsC, .D = kBandsD, .E = kBandsE, .F = kBandsF};

Metres RuralSigmaY(StabilityClass cls, Kilometres X) {
  const RuralSigmaYLaw& law = kSigmaYLaws[cls];
  // ln X is divided by ln e of the held e, which is 0.9999999999999981 and
  // not 1; the quotient carries that difference into the last bits.
  const double L = std::log(X);
  const double M = std::log(kE);
  const double T = law.c - (L * law.d) / M;
  const double theta = (kPi / 180) * T;
  return (kRuralSigmaYScale * X) * std::tan(theta);
}

// Exact comparison of doubles, no tolerance: a distance equal to a bound
// belongs to the band that ends there.
bool Holds(const RuralSigmaZBand& band, Kilometres X) { return band.lower < X && X <= band.upper; }

Metres RuralSigmaZ(StabilityClass cls, Kilometres X) {
  for (const RuralSigmaZBand& band : kSigmaZBands[cls]) {
    if (!Holds(band, X)) continue;
    if (band.fixed != 0) return band.fixed;
    const double power = std::pow(X, band.b);
    return band.a * power;
  }
  // Only a distance that is not a number is held by no band.
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

SpreadParameters RuralSpread(StabilityClass cls, Kilometres X) {
  return {.sigmaY = RuralSigmaY(cls, X), .sigmaZ = RuralSigmaZ(cls, X)};
}

const RuralSigmaYLaw& RuralSigmaYLawOf(StabilityClass cls) { return kSigmaYLaws[cls]; }

std::span<const RuralSigmaZBand> RuralSigmaZBands(StabilityClass cls) { return kSigmaZBands[cls]; }

}  // namespace calc
