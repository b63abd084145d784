#include "calc/concentration.h"

#include <limits>

#include <gtest/gtest.h>

#include "calc/results_format.h"
#include "calc/rural_spread.h"
#include "calc/urban_spread.h"
#include "testing/grid_distance.h"

namespace calc {
namespace {

using enum StabilityClass;
using enum ArithmeticFault;
using testing_support::GridDistance;
constexpr AreaType kUrban = AreaType::Urban, kRural = AreaType::Rural;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// C in kg/m3, 50 m stack, 5 m/s: a denominator multiplied in another order, exp in place of the
// held e, or the full pi shows. The rural cases, one a class, pin its sigmaY law too, which
// divides by ln e = 0.9999999999999981, not 1. Each C is independent_values.py's, the model
// written apart beside this file; ctest holds this table to it.
TEST(Concentration, GoldenValues) {
  const Kilometres x3 = GridDistance(3), x10 = GridDistance(10), x20 = GridDistance(20);
  // clang-format off
  const struct { AreaType area; StabilityClass cls; Kilometres X; int Y; double Q, C; } cases[] = {
      {kUrban, D, 1, 0, 1, 3.5290778657489583e-06}, {kUrban, D, 1, 300, 1, 3.0122406444447288e-07},
      {kUrban, D, 1, 500, 1, 3.7918513700711578e-09}, {kUrban, D, 0.1, 0, 1, 4.1280040420857591e-07},
      {kUrban, D, 0.1, 500, 1, 1.1900727813567858e-227}, {kRural, A, 0.1, 0, 1, 2.7527726638740396e-07},
      {kUrban, C, 0.1, 0, 1, 6.4829677343298614e-06}, {kUrban, E, 0.1, 200, 1, 3.0762488597702845e-88},
      {kUrban, A, x3, 100, 1, 4.1390697383251963e-06}, {kUrban, D, x3, 0, 1, 1.6116329794017666e-05},
      {kRural, B, x3, 200, 1, 6.6402920299558511e-09}, {kRural, C, x3, 0, 1, 4.4341003011306215e-06},
      {kUrban, E, x10, 200, 1, 8.2109735673730259e-07}, {kRural, D, x10, 0, 1, 8.6508702971740083e-06},
      {kRural, F, x20, 200, 1, 2.30325549107065e-08}, {kUrban, D, 1, 0, 2, 7.0581557314979165e-06},
      {kRural, E, 1, 0, 1, 3.9927625751082055e-06},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.area == kUrban ? "urban" : "rural") << " class "
                                    << int(c.cls) << " X " << c.X << " Y " << c.Y);
    const SpreadParameters spread =
        c.area == kUrban ? UrbanSpread(c.cls, c.X) : RuralSpread(c.cls, c.X);
    const PlumeInputs in{.windSpeed = 5, .stackHeight = 50, .emissionRate = c.Q};
    const Concentration C = GroundConcentration(in, spread, c.Y);
    ASSERT_EQ(C.fault, None);
    EXPECT_EQ(C.value, c.C);
  }
}

// 1.23500001e-9 is the float 1.2349999911620557e-9 before scaling, so 1.23; 17/4096
// kg/m3 is 4150390.625 micrograms, a tie: to even .62, float 4150390.5 (away: 4150390.75).
TEST(ConcentrationReport, RoundingAndRange) {
  // clang-format off
  const struct { double C; float reported; ArithmeticFault fault; } cases[] = {
      // Each side of half a hundredth of a microgram, and of 1.235 once rounded
      // to float; below the smallest float; zero.
      {4.9e-12, 0, None}, {5.1e-12, 0.01f, None}, {1.23500001e-9, 1.23f, None}, {1.2350001e-9, 1.24f, None},
      {1e-50, 0, None}, {0, 0, None}, {0.004150390625, 4150390.5f, None},
      // Near the top of the float range after scaling, and beyond it: the
      // largest float, just below and at the rounding-to-infinity point.
      {3.4e29, 3.4e38f, None}, {3.41e29, 0, Overflow}, {0x1.fffffep127, 0, Overflow},
      {0x1.fffffefffffffp127, 0, Overflow}, {0x1.ffffffp127, 0, Overflow}, {1e65, 0, Overflow},
      {kInf, 0, Overflow}, {kNaN, 0, InvalidOperation},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "C " << c.C);
    const ReportedValue r = ReportConcentration(c.C);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(r.value, c.reported);
  }
}

// Every square of the plume formula is the correctly rounded product x * x. The C library's
// pow(x, 2) is a unit in the last place off for some x (188.84, 141.73, 400 / 39.25), and only an
// optimising build replaces it by x * x, so a pow fails here in the Debug build. Each point, scaled
// by its absurd emission rate, lies 8 to 12 units below a rounding boundary of the written value
// (beyond exp's last-bit differences among maths libraries); one pow moves it 19 or more, across.
// The written values are independent_values.py's, which squares as x * x too.
TEST(ConcentrationSquares, SquaresAreCorrectlyRoundedProducts) {
  // clang-format off
  const struct {
    const char* square;  // the square whose pow is off for this point
    double emissionRate, windSpeed, stackHeight;
    int offset;
    double sigmaY, sigmaZ;
    const char* written;  // a pow in that square writes one more or one less
  } cases[] = {
      {"stack height, (Z - H)^2 and (Z + H)^2", 1.6334431857597772e+21, 5, 188.84, 0, 25, 20, "9100000"},
      {"vertical spread, sigmaZ^2 twice", 7.58286875807665e+20, 5, 1275, 0, 100, 141.73, "9100000"},
      {"lateral term, (Y / sigmaY)^2", 1.749315975824005e+25, 5, 50, 400, 39.25, 40, "9100000"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.square);
    const PlumeInputs in{
        .windSpeed = c.windSpeed, .stackHeight = c.stackHeight, .emissionRate = c.emissionRate};
    const Concentration C = GroundConcentration(in, SpreadParameters{c.sigmaY, c.sigmaZ}, c.offset);
    ASSERT_EQ(C.fault, ArithmeticFault::None);
    const ReportedValue reported = ReportConcentration(C.value);
    ASSERT_EQ(reported.fault, ArithmeticFault::None);
    EXPECT_EQ(FormatValue(reported.value), c.written);
  }
}

}  // namespace
}  // namespace calc
