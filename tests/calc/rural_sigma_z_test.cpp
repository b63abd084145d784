#include "calc/rural_sigma_z.h"

#include <cmath>

#include <gtest/gtest.h>

namespace calc {
namespace {

using enum StabilityClass;

// The k-th distance of a run, accumulated as the grid walk does it: 0.1,
// then 0.1 added k - 1 times, never k * 0.1.
Kilometres GridDistance(int k) {
  Kilometres X = 0.1;
  for (int i = 1; i < k; ++i) X += 0.1;
  return X;
}

// Per class the bands run from the farthest to the nearest, each ending
// where the previous began, the farthest open above and the nearest open
// below; a band has either a fixed value or a power law.
TEST(RuralSigmaZTable, BandsCoverEveryDistanceWithoutGapOrOverlap) {
  const auto table = RuralSigmaZTable();
  ASSERT_EQ(table.size(), 39u);
  const int bandsPerClass[] = {9, 4, 1, 6, 9, 10};
  std::size_t row = 0;
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(testing::Message() << "class " << i);
    for (int n = 0; n < bandsPerClass[i]; ++n, ++row) {
      const RuralSigmaZBand& band = table[row];
      EXPECT_EQ(band.cls, kAllClasses[i]);
      EXPECT_EQ(band.upper.has_value(), n > 0) << "row " << row;
      EXPECT_EQ(band.lower.has_value(), n < bandsPerClass[i] - 1) << "row " << row;
      if (n > 0) {
        EXPECT_EQ(band.upper, table[row - 1].lower) << "row " << row;
      }
      if (band.lower && band.upper) {
        EXPECT_LT(*band.lower, *band.upper) << "row " << row;
      }
      EXPECT_NE(band.fixed.has_value(), band.a > 0 && band.b > 0) << "row " << row;
    }
  }
}

struct SigmaZCase {
  const char* where;
  StabilityClass cls;
  Kilometres X;
  Metres sigmaZ;
};

// The vertical spread to four decimals, at whole distances and at the grid
// points that fall nominally on a band bound.
TEST(RuralSigmaZ, WorkedValuesToFourDecimals) {
  const SigmaZCase cases[] = {
      {"1 km", A, 1, 453.85}, {"1 km", B, 1, 109.3}, {"1 km", C, 1, 61.141},
      {"1 km", D, 1, 32.093}, {"1 km", E, 1, 21.628}, {"1 km", F, 1, 13.953},
      {"100 m", A, 0.1, 13.9476}, {"100 m", B, 0.1, 10.6047}, {"100 m", C, 0.1, 7.4419},
      {"100 m", D, 0.1, 4.6512}, {"100 m", E, 0.1, 3.5342}, {"100 m", F, 0.1, 2.3243},
      {"last of 20 km", A, GridDistance(199), 5000}, {"last of 20 km", B, GridDistance(199), 2907.9831},
      {"last of 20 km", C, GridDistance(199), 942.6023}, {"last of 20 km", D, GridDistance(199), 199.1049},
      {"last of 20 km", E, GridDistance(199), 109.0471}, {"last of 20 km", F, GridDistance(199), 60.1957},
      {"10 km", C, 10, 502.3224},
      // A bound belongs to the band that ends there.
      {"bound 0.5", A, 0.5, 104.6517}, {"bound 0.3", A, 0.3, 47.4408}, {"bound 0.3", D, 0.3, 12.0930},
      {"bound 3.11", A, 3.11, 5010.5913}, {"bound 35", B, 35, 5402.7791},
      // The 3rd point is 0.30000000000000004, above 0.3.
      {"3rd", A, GridDistance(3), 47.4428}, {"3rd", D, GridDistance(3), 12.1017}, {"3rd", E, GridDistance(3), 8.6977},
      // The 10th is 0.9999999999999999, below 1.
      {"10th", D, GridDistance(10), 32.093}, {"10th", E, GridDistance(10), 21.628}, {"10th", F, GridDistance(10), 13.953},
      // The 20th is 2.0000000000000004, above 2.
      {"20th", E, GridDistance(20), 33.4880}, {"20th", F, GridDistance(20), 21.6275},
      // The 30th is 3.0000000000000013, above 3.
      {"30th", D, GridDistance(30), 65.1161}, {"30th", F, GridDistance(30), 26.9762},
      // The 31st is 3.1000000000000014, still below 3.11; the 32nd is past it.
      {"31st", A, GridDistance(31), 4976.5515}, {"32nd", A, GridDistance(32), 5000},
      // The 40th is 4.000000000000002, above 4.
      {"40th", E, GridDistance(40), 49.7683},
  };
  for (const SigmaZCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.where << " class " << static_cast<int>(c.cls));
    EXPECT_NEAR(RuralSigmaZ(c.cls, c.X), c.sigmaZ, 5e-5);
  }
}

// Where the accumulated grid distances lie against the bounds they
// nominally fall on.
TEST(RuralSigmaZ, AccumulatedGridDistancesAgainstTheBounds) {
  EXPECT_EQ(GridDistance(1), 0.1);
  EXPECT_EQ(GridDistance(2), 0.2);
  EXPECT_EQ(GridDistance(3), 0.30000000000000004);
  EXPECT_GT(GridDistance(3), 0.3);
  EXPECT_EQ(GridDistance(4), 0.4);
  EXPECT_EQ(GridDistance(5), 0.5);
  EXPECT_EQ(GridDistance(7), 0.7);
  EXPECT_EQ(GridDistance(10), 0.9999999999999999);
  EXPECT_LT(GridDistance(10), 1);
  EXPECT_EQ(GridDistance(20), 2.0000000000000004);
  EXPECT_GT(GridDistance(20), 2);
  EXPECT_EQ(GridDistance(30), 3.0000000000000013);
  EXPECT_GT(GridDistance(30), 3);
  EXPECT_EQ(GridDistance(31), 3.1000000000000014);
  EXPECT_LT(GridDistance(31), 3.11);
  EXPECT_GT(GridDistance(32), 3.11);
  EXPECT_EQ(GridDistance(40), 4.000000000000002);
  EXPECT_GT(GridDistance(40), 4);
  EXPECT_EQ(GridDistance(70), 6.999999999999991);
  EXPECT_LT(GridDistance(70), 7);
  EXPECT_EQ(GridDistance(100), 9.99999999999998);
  EXPECT_LT(GridDistance(100), 10);
  EXPECT_EQ(GridDistance(150), 14.999999999999963);
  EXPECT_LT(GridDistance(150), 15);
  EXPECT_EQ(GridDistance(199), 19.900000000000013);
}

// To the last bit: X^b first, then times a. A band taken one row too far,
// a wrong exponent (F's nearest is 0.8158) or a * X^b reordered fails here.
TEST(RuralSigmaZ, GoldenValues) {
  const SigmaZCase cases[] = {
      {"100 m", A, 0.1, 13.947564125508443},
      {"100 m", B, 0.1, 10.604690180980183},
      {"100 m", C, 0.1, 7.4418778554711098},
      {"100 m", D, 0.1, 4.6511748925318548},
      {"100 m", E, 0.1, 3.5341973469663559},
      {"100 m", F, 0.1, 2.3243453721442422},
      {"1 km", A, 1, 453.85},
      {"bound 0.5", A, 0.5, 104.65170980044181},
      {"bound 0.3", A, 0.3, 47.440759203106779},
      {"bound 0.3", D, 0.3, 12.093001594927751},
      {"3rd", A, GridDistance(3), 47.442762794073893},
      {"3rd", D, GridDistance(3), 12.101721654143418},
      {"3rd", E, GridDistance(3), 8.6977376165348055},
      {"10th", D, GridDistance(10), 32.092999999999996},
      {"10th", E, GridDistance(10), 21.627999999999997},
      {"10th", F, GridDistance(10), 13.952999999999998},
      {"20th", E, GridDistance(20), 33.487981702682923},
      {"20th", F, GridDistance(20), 21.627508289388004},
      {"30th", D, GridDistance(30), 65.11607611190054},
      {"30th", F, GridDistance(30), 26.976154360733357},
      {"31st", A, GridDistance(31), 4976.5514795141644},
      {"40th", E, GridDistance(40), 49.768270657970838},
      {"70th", F, GridDistance(70), 39.999305011385758},
      {"100th", D, GridDistance(100), 134.88282708515283},
      {"100th", E, GridDistance(100), 79.071449176826292},
      {"150th", F, GridDistance(150), 54.875101454492473},
      {"last of 20 km", B, GridDistance(199), 2907.9830586536468},
      {"last of 20 km", C, GridDistance(199), 942.60231914859219},
      {"last of 20 km", D, GridDistance(199), 199.10489916493904},
      {"last of 20 km", E, GridDistance(199), 109.04711596958646},
      {"last of 20 km", F, GridDistance(199), 60.195711762208028},
      {"bound 3.11", A, 3.11, 5010.5912907909405},
      {"bound 35", B, 35, 5402.7791277051983},
      // Bands beyond any grid a run walks stay in the table.
      {"31 km", D, 31, 255.41093704320502},
      {"25 km", E, 25, 118.87312809169535},
      {"50 km", E, 50, 151.54107173706771},
      {"40 km", F, 40, 74.489250381560922},
      {"70 km", F, 70, 86.089226179538429},
  };
  for (const SigmaZCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.where << " class " << static_cast<int>(c.cls));
    EXPECT_EQ(RuralSigmaZ(c.cls, c.X), c.sigmaZ);
  }
}

// The fixed 5000 m is not a cap: the power law at the bound gives more,
// and the next double above the bound gives 5000 exactly.
TEST(RuralSigmaZ, FixedValueBeyondTheBoundIsNotACap) {
  EXPECT_GT(RuralSigmaZ(A, 3.11), 5000);
  EXPECT_EQ(RuralSigmaZ(A, std::nextafter(3.11, 4.0)), 5000);
  EXPECT_GT(RuralSigmaZ(B, 35), 5000);
  EXPECT_EQ(RuralSigmaZ(B, std::nextafter(35.0, 36.0)), 5000);
  EXPECT_EQ(RuralSigmaZ(B, 40), 5000);
}

}  // namespace
}  // namespace calc
