#include "calc/rural_spread.h"

#include <gtest/gtest.h>

namespace calc {
namespace {

using enum StabilityClass;

struct SigmaYCase {
  StabilityClass cls;
  Kilometres X;
  Metres sigmaY;
};

// The Pasquill-Gifford horizontal spread to four decimals. At 1 km ln X is
// 0 and the half-angle is the intercept alone.
TEST(RuralSigmaY, WorkedValuesToFourDecimals) {
  const SigmaYCase cases[] = {
      {A, 1, 208.7096},     {B, 1, 154.1197},     {C, 1, 103.1138},
      {D, 1, 68.1292},      {E, 1, 50.9385},      {F, 1, 33.8867},
      {A, 0.1, 26.8541},    {B, 0.1, 19.2655},    {C, 0.1, 12.4627},
      {D, 0.1, 8.2012},     {E, 0.1, 6.1234},     {F, 0.1, 4.0695},
      {A, 10, 1541.2336},   {B, 10, 1174.0097},   {C, 10, 820.1325},
      {D, 10, 543.6410},    {E, 10, 406.9237},    {F, 10, 270.9269},
      {A, 20, 2769.1333},   {B, 20, 2132.5544},   {C, 20, 1514.5688},
      {D, 20, 1004.7951},   {E, 20, 752.3213},    {F, 20, 500.9976},
  };
  for (const SigmaYCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "class " << static_cast<int>(c.cls) << " X " << c.X);
    EXPECT_NEAR(RuralSigmaY(c.cls, c.X), c.sigmaY, 5e-5);
  }
}

// To the last bit. Away from 1 km these carry ln e = 0.9999999999999981 and
// the slopes; a slope of 2.5334 for A, 4.1667 for F's intercept or M = 1
// changes them.
TEST(RuralSigmaY, GoldenValues) {
  const SigmaYCase cases[] = {
      {A, 1, 208.70963258808644},    {F, 1, 33.886683427674633},
      {A, 0.1, 26.854149603701188},  {B, 0.1, 19.265516918690032},  {C, 0.1, 12.462680605556322},
      {D, 0.1, 8.2012190447636879},  {E, 0.1, 6.1233755901197089},  {F, 0.1, 4.0695089339853192},
      {A, 10, 1541.2335657490526},   {D, 10, 543.64100258968313},   {F, 10, 270.92692269590515},
      {A, 20, 2769.1333237885269},   {B, 20, 2132.5543598830373},   {C, 20, 1514.5688488498156},
      {D, 20, 1004.7951484173266},   {E, 20, 752.32134027151164},   {F, 20, 500.99763930537},
  };
  for (const SigmaYCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "class " << static_cast<int>(c.cls) << " X " << c.X);
    EXPECT_EQ(RuralSigmaY(c.cls, c.X), c.sigmaY);
  }
}

// Along the longest grid sigmaY grows with the distance and keeps the
// order A > B > C > D > E > F.
TEST(RuralSigmaY, GrowsAndKeepsTheClassOrderOnTheGrid) {
  double previous[6] = {};
  Kilometres X = 0.1;
  for (int k = 1; k <= 199; ++k, X += 0.1) {
    SCOPED_TRACE(testing::Message() << "grid point " << k);
    for (int i = 0; i < 6; ++i) {
      const Metres s = RuralSigmaY(kAllClasses[i], X);
      EXPECT_GT(s, previous[i]);
      if (i > 0) {
        EXPECT_LT(s, RuralSigmaY(kAllClasses[i - 1], X));
      }
      previous[i] = s;
    }
  }
}

}  // namespace
}  // namespace calc
