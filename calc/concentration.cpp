#include "calc/concentration.h"

#include <cmath>
#include <limits>

#include "calc/constants.h"

namespace calc {
namespace {

// The factor of every exponent, -1 divided by 2.
constexpr double kMinusHalf = -1.0 / 2;

// Micrograms per kilogram.
constexpr double kMicrogramsPerKilogram = 1000000000;

// The smallest magnitude that rounds to infinity in single precision: the
// largest float plus half its last place. A tie there rounds to the even
// neighbour, 2^128, so this value itself is already out of range.
constexpr double kFloatOverflowThreshold = 0x1.ffffffp127;

// Carries the arithmetic of one grid point and stops at the first step that
// faults: no trap is relied on, every step's result is inspected. After a
// fault every further step is skipped and yields 0, so nothing divides by
// zero or converts out of range behind the fault.
class Steps {
 public:
  ArithmeticFault fault() const { return fault_; }

  double Multiply(double x, double y) { return Check(x * y, x, y); }
  double Add(double x, double y) { return Check(x + y, x, y); }
  double Subtract(double x, double y) { return Check(x - y, x, y); }
  double Power(double base, double exponent) {
    return Check(std::pow(base, exponent), base, exponent);
  }
  // A square is the correctly rounded product. pow(x, 2) of the C library is
  // not always correctly rounded, and compilers replace it by x * x only when
  // optimising, so with pow the results would depend on the build.
  double Square(double x) { return Check(x * x, x, x); }

  double Divide(double dividend, double divisor) {
    if (fault_ != ArithmeticFault::None) return 0;
    if (divisor == 0) {
      if (std::isnan(dividend) || dividend == 0) return Fail(ArithmeticFault::InvalidOperation);
      if (std::isfinite(dividend)) return Fail(ArithmeticFault::DivisionByZero);
      // An infinite dividend stays infinite; the sign follows both operands.
      const bool negative = std::signbit(dividend) != std::signbit(divisor);
      return negative ? -std::numeric_limits<double>::infinity()
                      : std::numeric_limits<double>::infinity();
    }
    return Check(dividend / divisor, dividend, divisor);
  }

 private:
  double Fail(ArithmeticFault fault) {
    fault_ = fault;
    return 0;
  }

  double Check(double result, double x, double y) {
    // The common case first: no fault so far and a finite result.
    if (fault_ == ArithmeticFault::None && std::isfinite(result)) [[likely]]
      return result;
    if (fault_ != ArithmeticFault::None) return 0;
    if (std::isnan(result)) return Fail(ArithmeticFault::InvalidOperation);
    if (std::isinf(result) && std::isfinite(x) && std::isfinite(y))
      return Fail(ArithmeticFault::Overflow);
    return result;
  }

  ArithmeticFault fault_ = ArithmeticFault::None;
};

// Checks that a double can be rounded to single precision, before it is.
ArithmeticFault FloatRangeFault(double x) {
  if (std::isnan(x)) return ArithmeticFault::InvalidOperation;
  if (std::fabs(x) >= kFloatOverflowThreshold) return ArithmeticFault::Overflow;
  return ArithmeticFault::None;
}

}  // namespace

Concentration GroundConcentration(const PlumeInputs& in, const SpreadParameters& spread,
                                  int offset) {
  const double Q = in.emissionRate;
  const double u = in.windSpeed;
  const double H = in.stackHeight;
  const int Z = kReceptorHeight;
  const int Y = offset;
  const double sigmaY = spread.sigmaY;
  const double sigmaZ = spread.sigmaZ;

  // Step by step as the plume formula is written, nothing folded: the two
  // vertical terms are computed apart even though at Z = 0 they are equal.
  Steps s;
  const double d1 = s.Multiply(2, kPi);
  const double d2 = s.Multiply(d1, u);
  const double d3 = s.Multiply(d2, sigmaY);
  const double d4 = s.Multiply(d3, sigmaZ);
  const double q = s.Divide(Q, d4);

  const double a = s.Square(s.Divide(Y, sigmaY));
  const double g = s.Power(kE, s.Multiply(kMinusHalf, a));
  const double qg = s.Multiply(q, g);

  const double b1 = s.Square(s.Subtract(Z, H));
  const double s1 = s.Square(sigmaZ);
  const double t1 = s.Power(kE, s.Multiply(kMinusHalf, s.Divide(b1, s1)));

  const double b2 = s.Square(s.Add(Z, H));
  const double s2 = s.Square(sigmaZ);
  const double t2 = s.Power(kE, s.Multiply(kMinusHalf, s.Divide(b2, s2)));

  const double C = s.Multiply(qg, s.Add(t1, t2));
  if (s.fault() != ArithmeticFault::None) return {0, s.fault()};
  return {C, ArithmeticFault::None};
}

ReportedValue ReportConcentration(double c) {
  // C to single precision, checked first: an out-of-range conversion has no
  // defined result.
  if (const ArithmeticFault fault = FloatRangeFault(c); fault != ArithmeticFault::None)
    return {0, fault};
  const float v = static_cast<float>(c);

  // v is at most the largest float, so these stay finite. nearbyint rounds
  // in the default mode, to nearest with ties to even: 0.125 gives 0.12.
  const double w = static_cast<double>(v) * kMicrogramsPerKilogram;
  const double r = std::nearbyint(w * 100) / 100;

  if (const ArithmeticFault fault = FloatRangeFault(r); fault != ArithmeticFault::None)
    return {0, fault};
  return {static_cast<float>(r), ArithmeticFault::None};
}

}  // namespace calc
