#include "calc/rural_sigma_z.h"

#include <cmath>
#include <iomanip>
#include <optional>

#include <gtest/gtest.h>

#include "testing/grid_distance.h"

namespace calc {
namespace {

using enum StabilityClass;

// Per class each band ends where the next farther one begins, the farthest
// open above and the nearest open below: every distance is held once.
TEST(RuralSigmaZ, BandsMeetWithoutGapOrOverlap) {
  const auto t = RuralSigmaZTable();
  for (std::size_t i = 0; i < t.size(); ++i) {
    const bool farthest = i == 0 || t[i].cls != t[i - 1].cls;
    const bool nearest = i + 1 == t.size() || t[i].cls != t[i + 1].cls;
    EXPECT_EQ(t[i].upper, farthest ? std::nullopt : t[i - 1].lower) << "row " << i;
    EXPECT_EQ(t[i].lower.has_value(), !nearest) << "row " << i;
  }
}

// One distance inside every band of every class, to the last bit: X^b first,
// then times a, or the fixed 5000 m of A and B far out. Expected values are
// a * X**b in Python's double arithmetic (scripts/independent-values.py).
TEST(RuralSigmaZ, EveryBandAndItsBounds) {
  const auto x = testing_support::GridDistance;  // x(k): the k-th distance of a run
  // clang-format off
  const struct { StabilityClass cls; Kilometres X; Metres sigmaZ; } cases[] = {
      {A, 8.11, 5000},  // 3.11 < X: 5000 m
      {A, 1.8, 1574.7880990213364},  // 0.5 < X <= 3.11: 453.85 X^2.1166
      {A, 0.45, 87.22955507375895},  // 0.4 < X <= 0.5: 346.75 X^1.7283
      {A, 0.35, 58.955561122372494},  // 0.3 < X <= 0.4: 258.89 X^1.4094
      {A, 0.275, 42.49832115580982},  // 0.25 < X <= 0.3: 217.41 X^1.2644
      {A, 0.225, 33.46114450376929},  // 0.2 < X <= 0.25: 179.52 X^1.1262
      {A, 0.175, 25.32210358392127},  // 0.15 < X <= 0.2: 170.22 X^1.0932
      {A, 0.125, 17.6538512508938},  // 0.1 < X <= 0.15: 158.08 X^1.0542
      {A, 0.05, 7.246283645973222},  // X <= 0.1: 122.8 X^0.9447
      {B, 40, 5000},  // 35 < X: 5000 m
      {B, 17.7, 2557.2408448781775},  // 0.4 < X <= 35: 109.3 X^1.0971
      {B, 0.3, 30.144226325216724},  // 0.2 < X <= 0.4: 98.483 X^0.98332
      {B, 0.1, 10.604690180980183},  // X <= 0.2: 90.673 X^0.93198
      {C, 0.5, 32.43362208892302},  // every X: 61.141 X^0.91465
      {D, 35, 271.77785930262854},  // 30 < X: 44.053 X^0.51179
      {D, 20, 199.67047138455183},  // 10 < X <= 30: 36.65 X^0.56589
      {D, 6.5, 103.94304442936229},  // 3 < X <= 10: 33.504 X^0.60486
      {D, 2, 50.15135417398994},  // 1 < X <= 3: 32.093 X^0.64403
      {D, 0.65, 22.639087071158766},  // 0.3 < X <= 1: 32.093 X^0.81006
      {D, 0.15, 6.61784028557723},  // X <= 0.3: 34.459 X^0.86974
      {E, 45, 146.88917707255845},  // 40 < X: 47.618 X^0.29592
      {E, 30, 127.31152395989899},  // 20 < X <= 40: 35.42 X^0.37615
      {E, 15, 95.55830909365176},  // 10 < X <= 20: 26.97 X^0.46713
      {E, 7, 66.03168580407585},  // 4 < X <= 10: 24.703 X^0.50527
      {E, 3, 42.22135548587303},  // 2 < X <= 4: 22.534 X^0.57154
      {E, 1.5, 27.931190340632067},  // 1 < X <= 2: 21.628 X^0.63077
      {E, 0.65, 15.61228988452498},  // 0.3 < X <= 1: 21.628 X^0.7566
      {E, 0.2, 6.23857638464594},  // 0.1 < X <= 0.3: 23.331 X^0.81956
      {E, 0.05, 1.979015073784176},  // X <= 0.1: 24.26 X^0.8366
      {F, 65, 84.7148562625487},  // 60 < X: 34.219 X^0.21716
      {F, 45, 76.93568233551231},  // 30 < X <= 60: 27.074 X^0.27436
      {F, 22.5, 62.660542245934465},  // 15 < X <= 30: 22.651 X^0.32681
      {F, 11, 48.24756812577988},  // 7 < X <= 15: 17.836 X^0.415
      {F, 5, 34.207199596890135},  // 3 < X <= 7: 16.187 X^0.4649
      {F, 2.5, 24.42448141869856},  // 2 < X <= 3: 14.823 X^0.54503
      {F, 1.5, 18.030377292486545},  // 1 < X <= 2: 13.953 X^0.63227
      {F, 0.85, 12.483726970675994},  // 0.7 < X <= 1: 13.953 X^0.68465
      {F, 0.45, 7.729875813550176},  // 0.2 < X <= 0.7: 14.457 X^0.78407
      {F, 0.1, 2.324345372144242},  // X <= 0.2: 15.209 X^0.8158
      // A bound belongs to the band that ends there; the fixed 5000 m just past
      // 3.11 km (A) and 35 km (B) lies below the value at it. Grid points lie
      // beside their bounds: the 3rd above 0.3, the 10th below 1, the 31st below 3.11.
      {A, 0.1, 13.947564125508443}, {E, 0.1, 3.5341973469663559}, {A, 0.3, 47.440759203106779},
      {D, 0.3, 12.093001594927751}, {A, 0.5, 104.65170980044181}, {D, 1, 32.093}, {F, 1, 13.953},
      {A, 3.11, 5010.5912907909405}, {A, std::nextafter(3.11, 4.0), 5000}, {B, 35, 5402.7791277051983},
      {B, std::nextafter(35.0, 36.0), 5000}, {A, x(3), 47.442762794073893}, {D, x(10), 32.092999999999996},
      {E, x(20), 33.487981702682923}, {A, x(31), 4976.5514795141644}, {A, x(32), 5000},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(RuralSigmaZ(c.cls, c.X), c.sigmaZ)
        << "class "
        << "ABCDEF"[static_cast<int>(c.cls)] << " X " << std::setprecision(17) << c.X;
  }
}

}  // namespace
}  // namespace calc
