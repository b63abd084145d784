#include "calc/concentration.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "calc/rural_sigma_z.h"
#include "calc/rural_spread.h"
#include "calc/urban_spread.h"

namespace calc {
namespace {

using enum StabilityClass;

// One kilogram a second from a 50 m stack in a 5 m/s wind.
PlumeInputs WorkedSource() {
  PlumeInputs in;
  in.emissionRate = 1;
  in.windSpeed = 5;
  in.stackHeight = 50;
  in.stabilityClass = D;
  in.areaType = AreaType::Urban;
  return in;
}

struct WorkedCase {
  Kilometres X;
  int Y;
  double about;     // kg/m3 as printed, within half a unit of its last digit
  double halfUnit;
  double goldenC;   // kg/m3, to the last bit
  float reported;   // micrograms per cubic metre
};

// The urban class D source at 1 km and 100 m. C agrees with its printed
// digits and is pinned to the last bit; the reported value is the float
// nearest the two-decimal value, so 3529.08f is 3529.080078125.
TEST(Concentration, WorkedTableUrbanClassD) {
  const WorkedCase cases[] = {
      {1, 0, 3.529078e-06, 5e-13, 3.5290778657489583e-06, 3529.08f},
      {1, 100, 2.684781e-06, 5e-13, 2.6847808619959299e-06, 2684.78f},
      {1, 200, 1.182093e-06, 5e-13, 1.1820930152422504e-06, 1182.09f},
      {1, 300, 3.012241e-07, 5e-14, 3.0122406444447288e-07, 301.22f},
      {1, 400, 4.442453e-08, 5e-15, 4.4424534158673676e-08, 44.42f},
      {1, 500, 3.791851e-09, 5e-16, 3.7918513700711578e-09, 3.79f},
      {0.1, 0, 4.128004e-07, 5e-14, 4.1280040420857591e-07, 412.8f},
      {0.1, 100, 6.224915e-16, 5e-23, 6.2249153527883541e-16, 0},
      {0.1, 500, 1.19e-227, 5e-230, 1.1900727813567858e-227, 0},
  };
  for (const WorkedCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "X " << c.X << " Y " << c.Y);
    const Concentration C = GroundConcentration(WorkedSource(), UrbanSpread(D, c.X), c.Y);
    ASSERT_EQ(C.fault, ArithmeticFault::None);
    EXPECT_NEAR(C.value, c.about, c.halfUnit);
    EXPECT_EQ(C.value, c.goldenC);
    const ReportedValue r = ReportConcentration(C.value);
    EXPECT_EQ(r.fault, ArithmeticFault::None);
    EXPECT_EQ(r.value, c.reported);
  }
  EXPECT_EQ(3529.08f, 3529.080078125f);
}

// The worked source over other classes, both area types and accumulated
// grid distances, to the last bit. A denominator multiplied in another
// order, exp in place of the held e, or the full-precision pi shows here.
TEST(Concentration, GoldenValuesAcrossClassesAndAreas) {
  const struct {
    AreaType area;
    StabilityClass cls;
    int k;  // grid point, its distance accumulated
    int Y;
    double C;
  } cases[] = {
      {AreaType::Rural, A, 1, 0, 2.7527726638740396e-07},
      {AreaType::Urban, C, 1, 0, 6.4829677343298614e-06},
      {AreaType::Urban, E, 1, 200, 3.0762488597702845e-88},
      {AreaType::Urban, A, 3, 100, 4.1390697383251963e-06},
      {AreaType::Urban, D, 3, 0, 1.6116329794017666e-05},
      {AreaType::Rural, B, 3, 200, 6.6402920299558511e-09},
      {AreaType::Rural, C, 3, 0, 4.4341003011306215e-06},
      {AreaType::Urban, E, 10, 200, 8.2109735673730259e-07},
      {AreaType::Rural, D, 10, 0, 8.6508702971740083e-06},
      {AreaType::Rural, F, 20, 200, 2.30325549107065e-08},
  };
  for (const auto& c : cases) {
    Kilometres X = 0.1;
    for (int i = 1; i < c.k; ++i) X += 0.1;
    SCOPED_TRACE(testing::Message() << (c.area == AreaType::Urban ? "urban" : "rural") << " class "
                                    << static_cast<int>(c.cls) << " grid point " << c.k << " Y " << c.Y);
    const SpreadParameters spread = c.area == AreaType::Urban
                                        ? UrbanSpread(c.cls, X)
                                        : SpreadParameters{RuralSigmaY(c.cls, X), RuralSigmaZ(c.cls, X)};
    const Concentration C = GroundConcentration(WorkedSource(), spread, c.Y);
    EXPECT_EQ(C.fault, ArithmeticFault::None);
    EXPECT_EQ(C.value, c.C);
  }
}

// Doubling the emission doubles C exactly; the reported value comes from
// the doubled C through its own roundings.
TEST(Concentration, DoubleEmissionDoublesC) {
  PlumeInputs twice = WorkedSource();
  twice.emissionRate = 2;
  const SpreadParameters spread = UrbanSpread(D, 1);
  const double C = GroundConcentration(WorkedSource(), spread, 0).value;
  const double C2 = GroundConcentration(twice, spread, 0).value;
  EXPECT_EQ(C2, 2 * C);
  EXPECT_EQ(C2, 7.0581557314979165e-06);
  EXPECT_EQ(ReportConcentration(C2).value, 7058.16f);
}

// The two roundings to single precision and the two decimals, with the
// float range checked before each conversion.
TEST(ConcentrationReport, RoundingAndRange) {
  const struct {
    const char* what;
    double C;
    float reported;
    ArithmeticFault fault;
  } cases[] = {
      {"below half a hundredth of a microgram", 4.9e-12, 0, ArithmeticFault::None},
      {"just above half a hundredth", 5.1e-12, 0.01f, ArithmeticFault::None},
      {"below the smallest float", 1e-50, 0, ArithmeticFault::None},
      {"zero", 0, 0, ArithmeticFault::None},
      // 1.23500001e-9 kg/m3 rounds down to the float 1.2349999911620557e-9
      // before it is scaled, so it reports 1.23 and not 1.24.
      {"rounded to float before scaling", 1.23500001e-9, 1.23f, ArithmeticFault::None},
      {"above the float nearest the half hundredth", 1.2350001e-9, 1.24f, ArithmeticFault::None},
      {"near the top of the float range after scaling", 3.4e29, 3.4e38f, ArithmeticFault::None},
      {"the scaled value leaves the float range", 3.41e29, 0, ArithmeticFault::Overflow},
      {"largest float itself, scaled out of range", 0x1.fffffep127, 0, ArithmeticFault::Overflow},
      {"just below the rounding-to-infinity point", 0x1.fffffefffffffp127, 0, ArithmeticFault::Overflow},
      {"rounds to infinity", 0x1.ffffffp127, 0, ArithmeticFault::Overflow},
      {"far beyond the float range", 1e65, 0, ArithmeticFault::Overflow},
      {"infinite", std::numeric_limits<double>::infinity(), 0, ArithmeticFault::Overflow},
      {"not a number", std::numeric_limits<double>::quiet_NaN(), 0, ArithmeticFault::InvalidOperation},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ReportedValue r = ReportConcentration(c.C);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(r.value, c.reported);
  }
}

// Absurd inputs that pass the "greater than zero" checks, and spreads that
// the laws never give, each stop at the first step that faults.
TEST(Concentration, FaultsOfAbsurdInputs) {
  const SpreadParameters d1km = UrbanSpread(D, 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    double Q, u, H;
    SpreadParameters spread;
    int Y;
    ArithmeticFault concentrationFault;
    ArithmeticFault reportFault;
  } cases[] = {
      // C itself is 1.76e65, a double, but no float.
      {"Q 1e40, u 1e-30", 1e40, 1e-30, 50, d1km, 0, ArithmeticFault::None, ArithmeticFault::Overflow},
      // Q over the denominator leaves the double range.
      {"Q 1e300, u 1e-300", 1e300, 1e-300, 50, d1km, 0, ArithmeticFault::Overflow, ArithmeticFault::None},
      // (Z - H)^2 leaves the double range.
      {"H 1e200", 1, 5, 1e200, d1km, 0, ArithmeticFault::Overflow, ArithmeticFault::None},
      // The denominator is zero and Q is not.
      {"sigmaY 0", 1, 5, 50, {0, d1km.sigmaZ}, 0, ArithmeticFault::DivisionByZero, ArithmeticFault::None},
      {"sigmaZ 0", 1, 5, 50, {d1km.sigmaY, 0}, 0, ArithmeticFault::DivisionByZero, ArithmeticFault::None},
      {"both spreads 0", 1, 5, 50, {0, 0}, 300, ArithmeticFault::DivisionByZero, ArithmeticFault::None},
      // The denominator underflows to zero.
      {"spreads 1e-200", 1, 1e-10, 50, {1e-200, 1e-200}, 0, ArithmeticFault::DivisionByZero,
       ArithmeticFault::None},
      // On the axis a tiny sigmaY only makes C huge; off the axis
      // (Y / sigmaY)^2 overflows first.
      {"sigmaY 1e-300 on the axis", 1, 5, 50, {1e-300, d1km.sigmaZ}, 0, ArithmeticFault::None,
       ArithmeticFault::Overflow},
      {"sigmaY 1e-300 off the axis", 1, 5, 50, {1e-300, d1km.sigmaZ}, 100, ArithmeticFault::Overflow,
       ArithmeticFault::None},
      {"sigmaZ not a number", 1, 5, 50, {d1km.sigmaY, nan}, 0, ArithmeticFault::InvalidOperation,
       ArithmeticFault::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PlumeInputs in = WorkedSource();
    in.emissionRate = c.Q;
    in.windSpeed = c.u;
    in.stackHeight = c.H;
    const Concentration C = GroundConcentration(in, c.spread, c.Y);
    EXPECT_EQ(C.fault, c.concentrationFault);
    if (C.fault != ArithmeticFault::None) continue;
    EXPECT_EQ(ReportConcentration(C.value).fault, c.reportFault);
  }
}

TEST(FaultName, TurkishWording) {
  EXPECT_EQ(FaultName(ArithmeticFault::Overflow), "taşma (overflow)");
  EXPECT_EQ(FaultName(ArithmeticFault::DivisionByZero), "sıfıra bölme (division by zero)");
  EXPECT_EQ(FaultName(ArithmeticFault::InvalidOperation), "geçersiz işlem (invalid operation)");
  EXPECT_EQ(FaultName(ArithmeticFault::None), "hata yok (no fault)");
}

}  // namespace
}  // namespace calc
