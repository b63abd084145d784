#include "calc/urban_spread.h"

#include <gtest/gtest.h>

namespace calc {
namespace {

using enum StabilityClass;

struct UrbanCase {
  StabilityClass cls;
  Kilometres X;
  Metres sigmaY;
  Metres sigmaZ;
};

// The urban laws to four decimals at 100 m, 1 km and 20 km.
TEST(UrbanSpread, WorkedValuesToFourDecimals) {
  const UrbanCase cases[] = {
      {A, 0.1, 31.3786, 24.1197},   {B, 0.1, 31.3786, 24.1197},   {C, 0.1, 21.5728, 20.0000},
      {D, 0.1, 15.6893, 13.7946},   {E, 0.1, 10.7864, 7.4600},    {F, 0.1, 10.7864, 7.4600},
      {A, 1, 270.4494, 251.7141},   {B, 1, 270.4494, 251.7141},   {C, 1, 185.9339, 200.0000},
      {D, 1, 135.2247, 122.7881},   {E, 1, 92.9670, 50.5964},     {F, 1, 92.9670, 50.5964},
      {A, 20, 2133.3333, 8313.8439}, {B, 20, 2133.3333, 8313.8439}, {C, 20, 1466.6667, 4000.0000},
      {D, 20, 1066.6667, 1058.3005}, {E, 20, 733.3333, 287.3685},  {F, 20, 733.3333, 287.3685},
  };
  for (const UrbanCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "class " << static_cast<int>(c.cls) << " X " << c.X);
    const SpreadParameters s = UrbanSpread(c.cls, c.X);
    EXPECT_NEAR(s.sigmaY, c.sigmaY, 5e-5);
    EXPECT_NEAR(s.sigmaZ, c.sigmaZ, 5e-5);
  }
}

// To the last bit. The order (a * X) * 1000 shows in class C at 100 m:
// (0.20 * 0.1) * 1000 is 20.000000000000004, where 0.20 * (0.1 * 1000)
// would give 20 exactly.
TEST(UrbanSpread, GoldenValues) {
  const UrbanCase cases[] = {
      {A, 0.1, 31.378581622109444, 24.119701490690133},
      {C, 0.1, 21.572774865200245, 20.000000000000004},
      {D, 0.1, 15.689290811054722, 13.794609894300105},
      {E, 0.1, 10.786387432600122, 7.4600384659225103},
      {A, 1, 270.44936151312533, 251.71412356083638},
      {C, 1, 185.93393604027364, 200},
      {D, 1, 135.22468075656266, 122.78812270298408},
      {E, 1, 92.966968020136818, 50.596442562694072},
      {A, 20, 2133.333333333333, 8313.8438763306112},
      {C, 20, 1466.6666666666665, 4000},
      {D, 20, 1066.6666666666665, 1058.3005244258366},
      {E, 20, 733.33333333333326, 287.36848324283983},
  };
  for (const UrbanCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "class " << static_cast<int>(c.cls) << " X " << c.X);
    const SpreadParameters s = UrbanSpread(c.cls, c.X);
    EXPECT_EQ(s.sigmaY, c.sigmaY);
    EXPECT_EQ(s.sigmaZ, c.sigmaZ);
  }
}

// At accumulated grid distances, where the evaluation order shows: the
// 17th (1.7000000000000004) and 26th (2.600000000000001) points tell
// (b * X) * 1000 from b * (X * 1000), and at the 20th E's vertical spread
// is 80 exactly through the power -0.5, where 1 / sqrt would give
// 80.000000000000014.
TEST(UrbanSpread, GoldenValuesAtGridDistances) {
  const struct {
    int k;
    UrbanCase expected;
  } cases[] = {
      {17, {A, 0, 419.70511189689006, 441.31947611679232}},
      {17, {C, 0, 288.54726442911192, 340.00000000000006}},
      {17, {D, 0, 209.85255594844503, 193.68165318753603}},
      {17, {E, 0, 144.27363221455596, 72.181305371061455}},
      {20, {A, 0, 477.02783519995523, 525.81365520495967}},
      {20, {D, 0, 238.51391759997762, 221.35943621178657}},
      {20, {E, 0, 163.97831834998462, 80}},
      {26, {A, 0, 582.51651495565238, 700.43826280408211}},
      {26, {C, 0, 400.48010403201096, 520.00000000000023}},
      {26, {D, 0, 291.25825747782619, 272.82953479449367}},
      {26, {E, 0, 200.24005201600548, 93.964821902146156}},
  };
  for (const auto& c : cases) {
    Kilometres X = 0.1;
    for (int i = 1; i < c.k; ++i) X += 0.1;
    SCOPED_TRACE(testing::Message() << "grid point " << c.k << " class " << static_cast<int>(c.expected.cls));
    const SpreadParameters s = UrbanSpread(c.expected.cls, X);
    EXPECT_EQ(s.sigmaY, c.expected.sigmaY);
    EXPECT_EQ(s.sigmaZ, c.expected.sigmaZ);
  }
}

// B runs A's laws and F runs E's, bit for bit, at every distance of the
// longest grid; the unstable classes' vertical spread overtakes the
// horizontal one with distance, the stable classes' stays behind it.
TEST(UrbanSpread, SharedLawsAndShapeOnTheGrid) {
  Kilometres X = 0.1;
  for (int k = 1; k <= 199; ++k, X += 0.1) {
    SCOPED_TRACE(testing::Message() << "grid point " << k);
    const SpreadParameters a = UrbanSpread(A, X), b = UrbanSpread(B, X);
    const SpreadParameters e = UrbanSpread(E, X), f = UrbanSpread(F, X);
    EXPECT_EQ(b.sigmaY, a.sigmaY);
    EXPECT_EQ(b.sigmaZ, a.sigmaZ);
    EXPECT_EQ(f.sigmaY, e.sigmaY);
    EXPECT_EQ(f.sigmaZ, e.sigmaZ);
    EXPECT_LT(e.sigmaZ, e.sigmaY);
    EXPECT_LT(UrbanSpread(D, X).sigmaZ, UrbanSpread(D, X).sigmaY);
  }
  EXPECT_LT(UrbanSpread(A, 1).sigmaZ, UrbanSpread(A, 1).sigmaY);
  EXPECT_GT(UrbanSpread(A, 20).sigmaZ, 3 * UrbanSpread(A, 20).sigmaY);
}

}  // namespace
}  // namespace calc
