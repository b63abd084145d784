#include "calc/concentration.h"

#include <limits>

#include <gtest/gtest.h>

#include "calc/rural_sigma_z.h"
#include "calc/rural_spread.h"
#include "calc/urban_spread.h"
#include "tests/support/grid_distance.h"

namespace calc {
namespace {

using enum StabilityClass;
using enum ArithmeticFault;
using testing_support::GridDistance;
constexpr AreaType kUrban = AreaType::Urban, kRural = AreaType::Rural;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Q kilograms a second from a 50 m stack in a 5 m/s wind.
PlumeInputs Source(StabilityClass cls, AreaType area, double Q) {
  return {.windSpeed = 5, .stackHeight = 50, .emissionRate = Q, .stabilityClass = cls, .areaType = area};
}

// C in kg/m3 and the reported value in micrograms per cubic metre, to the
// last bit (scripts/independent-values.py): the urban class D source of
// 1 kg/s at 1 km and 0.1 km, on the axis and off it, other classes, both
// areas, the accumulated 3rd, 10th and 20th grid distances and a doubled
// emission. The reported value is the float nearest the two decimals, so
// 3529.08f is 3529.080078125. A denominator multiplied in another order,
// exp in place of the held e, or the full-precision pi shows here.
TEST(Concentration, GoldenValues) {
  const Kilometres x3 = GridDistance(3), x10 = GridDistance(10), x20 = GridDistance(20);
  const struct {
    AreaType area; StabilityClass cls; Kilometres X; int Y;
    double Q, C;     // kg/s, kg/m3
    float reported;  // micrograms per cubic metre
  } cases[] = {
      {kUrban, D, 1, 0, 1, 3.5290778657489583e-06, 3529.08f},
      {kUrban, D, 1, 300, 1, 3.0122406444447288e-07, 301.22f},
      {kUrban, D, 1, 500, 1, 3.7918513700711578e-09, 3.79f},
      {kUrban, D, 0.1, 0, 1, 4.1280040420857591e-07, 412.8f},
      {kUrban, D, 0.1, 500, 1, 1.1900727813567858e-227, 0},
      {kRural, A, 0.1, 0, 1, 2.7527726638740396e-07, 275.28f},
      {kUrban, C, 0.1, 0, 1, 6.4829677343298614e-06, 6482.97f},
      {kUrban, E, 0.1, 200, 1, 3.0762488597702845e-88, 0},
      {kUrban, A, x3, 100, 1, 4.1390697383251963e-06, 4139.07f},
      {kUrban, D, x3, 0, 1, 1.6116329794017666e-05, 16116.33f},
      {kRural, B, x3, 200, 1, 6.6402920299558511e-09, 6.64f},
      {kRural, C, x3, 0, 1, 4.4341003011306215e-06, 4434.1f},
      {kUrban, E, x10, 200, 1, 8.2109735673730259e-07, 821.1f},
      {kRural, D, x10, 0, 1, 8.6508702971740083e-06, 8650.87f},
      {kRural, F, x20, 200, 1, 2.30325549107065e-08, 23.03f},
      {kUrban, D, 1, 0, 2, 7.0581557314979165e-06, 7058.16f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.area == kUrban ? "urban" : "rural") << " class "
                                    << static_cast<int>(c.cls) << " X " << c.X << " Y " << c.Y);
    const SpreadParameters rural{RuralSigmaY(c.cls, c.X), RuralSigmaZ(c.cls, c.X)};
    const SpreadParameters spread = c.area == kUrban ? UrbanSpread(c.cls, c.X) : rural;
    const Concentration C = GroundConcentration(Source(c.cls, c.area, c.Q), spread, c.Y);
    ASSERT_EQ(C.fault, None);
    EXPECT_EQ(C.value, c.C);
    const ReportedValue r = ReportConcentration(C.value);
    EXPECT_EQ(r.fault, None);
    EXPECT_EQ(r.value, c.reported);
  }
}

// The two roundings to single precision and the two decimals, with the
// float range checked before each conversion. 1.23500001e-9 kg/m3 rounds
// down to the float 1.2349999911620557e-9 before it is scaled, so it
// reports 1.23 and not 1.24. The single 17/4096 kg/m3 is 4150390.625
// micrograms, halfway at two decimals: to even 4150390.62, whose float is
// 4150390.5 (half away from zero, .63, would give the float 4150390.75).
TEST(ConcentrationReport, RoundingAndRange) {
  const struct { double C; float reported; ArithmeticFault fault; } cases[] = {
      // Each side of half a hundredth of a microgram, and of 1.235 once rounded
      // to float; below the smallest float; zero.
      {4.9e-12, 0, None}, {5.1e-12, 0.01f, None}, {1.23500001e-9, 1.23f, None},
      {1.2350001e-9, 1.24f, None}, {1e-50, 0, None}, {0, 0, None},
      {0.004150390625, 4150390.5f, None},
      // Near the top of the float range after scaling, and beyond it: the
      // largest float, just below and at the rounding-to-infinity point.
      {3.4e29, 3.4e38f, None}, {3.41e29, 0, Overflow}, {0x1.fffffep127, 0, Overflow},
      {0x1.fffffefffffffp127, 0, Overflow}, {0x1.ffffffp127, 0, Overflow}, {1e65, 0, Overflow},
      {kInf, 0, Overflow}, {kNaN, 0, InvalidOperation},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "C " << c.C);
    const ReportedValue r = ReportConcentration(c.C);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(r.value, c.reported);
  }
}

}  // namespace
}  // namespace calc
