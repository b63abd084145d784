#include "calc/rural_spread.h"

#include <cmath>
#include <iomanip>
#include <limits>

#include <gtest/gtest.h>

namespace calc {
namespace {

using enum StabilityClass;
constexpr Kilometres kNoLimit = std::numeric_limits<double>::infinity();

// Per class each band ends where the next farther one begins, the farthest
// open above and the nearest open below: every distance is held once.
TEST(RuralSigmaZ, BandsMeetWithoutGapOrOverlap) {
  for (const StabilityClass cls : kAllClasses) {
    const auto t = RuralSigmaZBands(cls);
    ASSERT_FALSE(t.empty());
    for (std::size_t i = 0; i < t.size(); ++i) {
      EXPECT_EQ(t[i].upper, i == 0 ? kNoLimit : t[i - 1].lower) << "row " << i;
      EXPECT_EQ(t[i].lower == -kNoLimit, i + 1 == t.size()) << "row " << i;
    }
  }
}

// The bands no grid point of a run reaches (beyond 20 km, or between 0.2 and 0.3), those
// whose ground values near the source round to zero, and the bounds no grid point lies on,
// to the last bit: X^b first, then times a, or the fixed 5000 m of A and B far out. Expected
// values are a * X**b in Python's double arithmetic (independent_values.py, checked by ctest).
TEST(RuralSigmaZ, BandsAndBoundsTheRunsDoNotShow) {
  // clang-format off
  const struct { StabilityClass cls; Kilometres X; Metres sigmaZ; } cases[] = {
      {B, 40, 5000},  // 35 < X: 5000 m
      {D, 35, 271.77785930262854},  // 30 < X: 44.053 X^0.51179
      {E, 45, 146.88917707255845},  // 40 < X: 47.618 X^0.29592
      {E, 30, 127.31152395989899},  // 20 < X <= 40: 35.42 X^0.37615
      {F, 65, 84.7148562625487},  // 60 < X: 34.219 X^0.21716
      {F, 45, 76.93568233551231},  // 30 < X <= 60: 27.074 X^0.27436
      {F, 22.5, 62.660542245934465},  // 15 < X <= 30: 22.651 X^0.32681
      {A, 0.275, 42.49832115580982},  // 0.25 < X <= 0.3: 217.41 X^1.2644
      {A, 0.225, 33.46114450376929},  // 0.2 < X <= 0.25: 179.52 X^1.1262
      {A, 0.125, 17.6538512508938},  // 0.1 < X <= 0.15: 158.08 X^1.0542
      {D, 0.15, 6.61784028557723},  // X <= 0.3: 34.459 X^0.86974
      {E, 0.2, 6.23857638464594},  // 0.1 < X <= 0.3: 23.331 X^0.81956
      {E, 0.05, 1.979015073784176},  // X <= 0.1: 24.26 X^0.8366
      // A bound belongs to the band that ends there; the fixed 5000 m just past
      // 3.11 km (A) and 35 km (B) lies below the value at it.
      {A, 0.3, 47.440759203106779}, {D, 0.3, 12.093001594927751}, {D, 1, 32.093}, {F, 1, 13.953},
      {A, 3.11, 5010.5912907909405}, {A, std::nextafter(3.11, 4.0), 5000},
      {B, 35, 5402.7791277051983}, {B, std::nextafter(35.0, 36.0), 5000},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(RuralSpread(c.cls, c.X).sigmaZ, c.sigmaZ)
        << "class "
        << "ABCDEF"[static_cast<int>(c.cls)] << " X " << std::setprecision(17) << c.X;
  }
}

}  // namespace
}  // namespace calc
