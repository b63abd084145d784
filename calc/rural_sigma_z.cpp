#include "calc/rural_sigma_z.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace calc {
namespace {

using enum StabilityClass;

// The Pasquill-Gifford vertical bands, per class from the farthest band to
// the nearest. A band holds X when lower < X <= upper. Class A beyond
// 3.11 km and class B beyond 35 km take a fixed 5000 m; F's nearest exponent
// is 0.8158.
constexpr RuralSigmaZBand kSigmaZTable[] = {
    {.cls = A, .lower = 3.11, .fixed = 5000},
    {.cls = A, .lower = 0.5, .upper = 3.11, .a = 453.85, .b = 2.1166},
    {.cls = A, .lower = 0.4, .upper = 0.5, .a = 346.75, .b = 1.7283},
    {.cls = A, .lower = 0.3, .upper = 0.4, .a = 258.89, .b = 1.4094},
    {.cls = A, .lower = 0.25, .upper = 0.3, .a = 217.41, .b = 1.2644},
    {.cls = A, .lower = 0.2, .upper = 0.25, .a = 179.52, .b = 1.1262},
    {.cls = A, .lower = 0.15, .upper = 0.2, .a = 170.22, .b = 1.0932},
    {.cls = A, .lower = 0.1, .upper = 0.15, .a = 158.08, .b = 1.0542},
    {.cls = A, .upper = 0.1, .a = 122.8, .b = 0.9447},

    {.cls = B, .lower = 35, .fixed = 5000},
    {.cls = B, .lower = 0.4, .upper = 35, .a = 109.3, .b = 1.0971},
    {.cls = B, .lower = 0.2, .upper = 0.4, .a = 98.483, .b = 0.98332},
    {.cls = B, .upper = 0.2, .a = 90.673, .b = 0.93198},

    {.cls = C, .a = 61.141, .b = 0.91465},

    {.cls = D, .lower = 30, .a = 44.053, .b = 0.51179},
    {.cls = D, .lower = 10, .upper = 30, .a = 36.65, .b = 0.56589},
    {.cls = D, .lower = 3, .upper = 10, .a = 33.504, .b = 0.60486},
    {.cls = D, .lower = 1, .upper = 3, .a = 32.093, .b = 0.64403},
    {.cls = D, .lower = 0.3, .upper = 1, .a = 32.093, .b = 0.81006},
    {.cls = D, .upper = 0.3, .a = 34.459, .b = 0.86974},

    {.cls = E, .lower = 40, .a = 47.618, .b = 0.29592},
    {.cls = E, .lower = 20, .upper = 40, .a = 35.42, .b = 0.37615},
    {.cls = E, .lower = 10, .upper = 20, .a = 26.97, .b = 0.46713},
    {.cls = E, .lower = 4, .upper = 10, .a = 24.703, .b = 0.50527},
    {.cls = E, .lower = 2, .upper = 4, .a = 22.534, .b = 0.57154},
    {.cls = E, .lower = 1, .upper = 2, .a = 21.628, .b = 0.63077},
    {.cls = E, .lower = 0.3, .upper = 1, .a = 21.628, .b = 0.7566},
    {.cls = E, .lower = 0.1, .upper = 0.3, .a = 23.331, .b = 0.81956},
    {.cls = E, .upper = 0.1, .a = 24.26, .b = 0.8366},

    {.cls = F, .lower = 60, .a = 34.219, .b = 0.21716},
    {.cls = F, .lower = 30, .upper = 60, .a = 27.074, .b = 0.27436},
    {.cls = F, .lower = 15, .upper = 30, .a = 22.651, .b = 0.32681},
    {.cls = F, .lower = 7, .upper = 15, .a = 17.836, .b = 0.415},
    {.cls = F, .lower = 3, .upper = 7, .a = 16.187, .b = 0.4649},
    {.cls = F, .lower = 2, .upper = 3, .a = 14.823, .b = 0.54503},
    {.cls = F, .lower = 1, .upper = 2, .a = 13.953, .b = 0.63227},
    {.cls = F, .lower = 0.7, .upper = 1, .a = 13.953, .b = 0.68465},
    {.cls = F, .lower = 0.2, .upper = 0.7, .a = 14.457, .b = 0.78407},
    {.cls = F, .upper = 0.2, .a = 15.209, .b = 0.8158},
};

static_assert(std::size(kSigmaZTable) == 39);

// Exact comparison of doubles, no tolerance: a distance equal to a bound
// belongs to the band that ends there.
bool Holds(const RuralSigmaZBand& band, Kilometres X) {
  return (!band.lower || *band.lower < X) && (!band.upper || X <= *band.upper);
}

}  // namespace

std::span<const RuralSigmaZBand> RuralSigmaZTable() { return kSigmaZTable; }

Metres RuralSigmaZ(StabilityClass cls, Kilometres X) {
  for (const RuralSigmaZBand& band : kSigmaZTable) {
    if (band.cls != cls || !Holds(band, X)) continue;
    if (band.fixed) return *band.fixed;
    const double power = std::pow(X, band.b);
    return band.a * power;
  }
  // Only a distance that is not a number is held by no band.
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace calc
