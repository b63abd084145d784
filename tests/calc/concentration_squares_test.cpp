#include <gtest/gtest.h>

#include "calc/concentration.h"
#include "calc/results_format.h"

namespace calc {
namespace {

// Every square of the plume formula must be the correctly rounded product
// x * x. The C library's pow(x, 2) is one unit in the last place off for some
// x (188.84, 141.73 and 400 / 39.25 among them), and g++ and clang replace it
// by x * x only when they optimise: a square taken with pow makes an
// unoptimised build write other numbers than an optimised one, so this test
// fails in the Debug build, not in the Release build.
//
// Each point sits 8 to 12 units in the last place of the concentration below
// a rounding boundary of the written value (so a last-bit difference of the
// exponentials between maths libraries does not move it). The error of one
// square taken with pow, magnified by the exponential, moves it 19 units or
// more, across the boundary. The absurd emission rates scale each point onto
// its boundary; the values were worked out apart from this code, step by
// step in double precision, every square a product.
TEST(ConcentrationSquares, SquaresAreCorrectlyRoundedProducts) {
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
  for (const auto& c : cases) {
    SCOPED_TRACE(c.square);
    PlumeInputs in;
    in.emissionRate = c.emissionRate;
    in.windSpeed = c.windSpeed;
    in.stackHeight = c.stackHeight;
    const Concentration C = GroundConcentration(in, SpreadParameters{c.sigmaY, c.sigmaZ}, c.offset);
    ASSERT_EQ(C.fault, ArithmeticFault::None);
    const ReportedValue reported = ReportConcentration(C.value);
    ASSERT_EQ(reported.fault, ArithmeticFault::None);
    EXPECT_EQ(FormatValue(reported.value), c.written);
  }
}

// A square that leaves the double range is still an overflow of its step,
// reported as before: 1e200 squared is beyond any double.
TEST(ConcentrationSquares, OverflowingSquareIsReported) {
  PlumeInputs in;
  in.emissionRate = 1;
  in.windSpeed = 5;
  in.stackHeight = 1e200;
  EXPECT_EQ(GroundConcentration(in, SpreadParameters{100, 100}, 0).fault, ArithmeticFault::Overflow);
}

}  // namespace
}  // namespace calc
