#include "calc/rural_sigma_z.h"

#include <cmath>
#include <iomanip>
#include <optional>

#include <gtest/gtest.h>

#include "tests/support/grid_distance.h"

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

// The vertical spread to the last bit (X^b first, then times a), to four
// decimals only where no golden value is known. A bound belongs to the band
// that ends there; the grid points nominally on a bound lie beside it (the
// 3rd above 0.3, the 10th below 1, the 31st below 3.11, ...). Beyond 3.11 km
// for A and 35 km for B sigmaZ is a fixed 5000 m, less than at the bound.
TEST(RuralSigmaZ, WorkedValues) {
  const auto x = testing_support::GridDistance;  // x(k): the k-th distance of a run
  const struct { StabilityClass cls; Kilometres X; Metres sigmaZ; double tolerance = 0; } cases[] = {
      {A, 0.1, 13.947564125508443}, {B, 0.1, 10.604690180980183}, {C, 0.1, 7.4418778554711098},
      {D, 0.1, 4.6511748925318548}, {E, 0.1, 3.5341973469663559}, {F, 0.1, 2.3243453721442422},
      {A, 1, 453.85}, {B, 1, 109.3}, {C, 1, 61.141}, {D, 1, 32.093}, {E, 1, 21.628}, {F, 1, 13.953},
      // Bounds, and the grid points beside them.
      {A, 0.3, 47.440759203106779}, {D, 0.3, 12.093001594927751}, {A, 0.5, 104.65170980044181},
      {A, x(3), 47.442762794073893}, {D, x(3), 12.101721654143418}, {E, x(3), 8.6977376165348055},
      {D, x(10), 32.092999999999996}, {E, x(10), 21.627999999999997}, {F, x(10), 13.952999999999998},
      {E, x(20), 33.487981702682923}, {F, x(20), 21.627508289388004},
      {D, x(30), 65.11607611190054}, {F, x(30), 26.976154360733357},
      {A, x(31), 4976.5514795141644}, {A, x(32), 5000}, {E, x(40), 49.768270657970838},
      {A, 3.11, 5010.5912907909405}, {A, std::nextafter(3.11, 4.0), 5000},
      {B, 35, 5402.7791277051983}, {B, std::nextafter(35.0, 36.0), 5000},
      // Farther grid points, the last of a 20 km run and 10 km.
      {F, x(70), 39.999305011385758}, {D, x(100), 134.88282708515283}, {E, x(100), 79.071449176826292},
      {F, x(150), 54.875101454492473}, {A, x(199), 5000}, {B, x(199), 2907.9830586536468},
      {C, x(199), 942.60231914859219}, {D, x(199), 199.10489916493904}, {E, x(199), 109.04711596958646},
      {F, x(199), 60.195711762208028}, {C, 10, 502.3224, 5e-5},
      // Bands beyond any grid a run walks.
      {D, 31, 255.41093704320502}, {E, 25, 118.87312809169535}, {E, 50, 151.54107173706771},
      {F, 40, 74.489250381560922}, {F, 70, 86.089226179538429},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "class " << static_cast<int>(c.cls) << " X "
                                    << std::setprecision(17) << c.X);
    EXPECT_NEAR(RuralSigmaZ(c.cls, c.X), c.sigmaZ, c.tolerance);
  }
}

}  // namespace
}  // namespace calc
