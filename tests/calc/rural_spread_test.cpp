#include "calc/rural_spread.h"

#include <gtest/gtest.h>

namespace calc {
namespace {

using enum StabilityClass;

// The Pasquill-Gifford horizontal spread to the last bit. At 1 km ln X is 0
// and the half-angle is the intercept alone; away from it the values carry
// ln e = 0.9999999999999981 and the slopes, so a slope of 2.5334 for A,
// 4.1667 for F's intercept or M = 1 changes them.
TEST(RuralSigmaY, KnownValues) {
  const struct { StabilityClass cls; Kilometres X; Metres sigmaY; } cases[] = {
      {A, 0.1, 26.854149603701188}, {B, 0.1, 19.265516918690032}, {C, 0.1, 12.462680605556322},
      {D, 0.1, 8.2012190447636879}, {E, 0.1, 6.1233755901197089}, {F, 0.1, 4.0695089339853192},
      {A, 1, 208.70963258808644}, {B, 1, 154.1197469071932}, {C, 1, 103.11379659201236},
      {D, 1, 68.12922664552868}, {E, 1, 50.93851706867702}, {F, 1, 33.886683427674633},
      {A, 10, 1541.2335657490526}, {B, 10, 1174.0096812432578}, {C, 10, 820.1324695592662},
      {D, 10, 543.64100258968313}, {E, 10, 406.92365903572176}, {F, 10, 270.92692269590515},
      {A, 20, 2769.1333237885269}, {B, 20, 2132.5543598830373}, {C, 20, 1514.5688488498156},
      {D, 20, 1004.7951484173266}, {E, 20, 752.32134027151164}, {F, 20, 500.99763930537},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RuralSigmaY(c.cls, c.X), c.sigmaY) << "class " << static_cast<int>(c.cls) << " X " << c.X;
  }
}

}  // namespace
}  // namespace calc
