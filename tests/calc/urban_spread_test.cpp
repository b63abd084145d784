#include "calc/urban_spread.h"

#include <gtest/gtest.h>

#include "testing/grid_distance.h"

namespace calc {
namespace {

using enum StabilityClass;
using testing_support::GridDistance;

// B runs A's laws and F runs E's. (a * X) * 1000 is 20.000000000000004 in C at
// 100 m; at the 17th and 26th grid points (b * X) * 1000 differs from b * (X * 1000);
// at the 20th E's sigmaZ is 80 through the power -0.5 (1 / sqrt: 80.000000000000014).
// The values are independent_values.py's (checked by ctest).
TEST(UrbanSpread, GoldenValues) {
  // clang-format off
  const struct { StabilityClass cls; Kilometres X; Metres sigmaY, sigmaZ; } cases[] = {
      {A, 0.1, 31.378581622109444, 24.119701490690133}, {C, 0.1, 21.572774865200245, 20.000000000000004},
      {D, 0.1, 15.689290811054722, 13.794609894300105}, {E, 0.1, 10.786387432600122, 7.4600384659225103},
      {C, 1, 185.93393604027364, 200}, {A, 20, 2133.333333333333, 8313.8438763306112},
      {C, 20, 1466.6666666666665, 4000}, {D, 20, 1066.6666666666665, 1058.3005244258366},
      {E, 20, 733.33333333333326, 287.36848324283983},
      {D, GridDistance(17), 209.85255594844503, 193.68165318753603},
      {E, GridDistance(20), 163.97831834998462, 80},
      {A, GridDistance(26), 582.51651495565238, 700.43826280408211},
  };
  // clang-format on
  for (const auto& c : cases) {
    const StabilityClass twin = c.cls == A ? B : c.cls == E ? F : c.cls;
    for (const StabilityClass cls : {c.cls, twin}) {
      SCOPED_TRACE(testing::Message() << "class " << static_cast<int>(cls) << " X " << c.X);
      const SpreadParameters s = UrbanSpread(cls, c.X);
      EXPECT_EQ(s.sigmaY, c.sigmaY);
      EXPECT_EQ(s.sigmaZ, c.sigmaZ);
    }
  }
}

}  // namespace
}  // namespace calc
