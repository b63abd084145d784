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
  // The steps that go on from earlier ones carry their fault.
  explicit Steps(ArithmeticFault earlier = ArithmeticFault::None) : fault_(earlier) {}
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

  ArithmeticFault fault_;
};

// Checks that a double can be rounded to single precision, before it is.
ArithmeticFault FloatRangeFault(double x) {
  if (std::isnan(x)) return ArithmeticFault::InvalidOperation;
  if (std::fabs(x) >= kFloatOverflowThreshold) return ArithmeticFault::Overflow;
  return ArithmeticFault::None;
}

// d1..d4 and q: the emission rate over the wind and the plume's spread.
double Quotient(Steps& s, const PlumeInputs& in, const SpreadParameters& spread) {
  const double Q = in.emissionRate;
  const double u = in.windSpeed;
  const double sigmaY = spread.sigmaY;
  const double sigmaZ = spread.sigmaZ;
  const double d1 = s.Multiply(2, kPi);
  const double d2 = s.Multiply(d1, u);
  const double d3 = s.Multiply(d2, sigmaY);
  const double d4 = s.Multiply(d3, sigmaZ);
  return s.Divide(Q, d4);
}

// a, g and qg: q times the lateral factor at offset Y.
double Lateral(Steps& s, double q, Metres sigmaY, int offset) {
  const int Y = offset;
  const double a = s.Square(s.Divide(Y, sigmaY));
  const double g = s.Power(kE, s.Multiply(kMinusHalf, a));
  return s.Multiply(q, g);
}

// b1, s1, t1, b2, s2, t2 and t1 + t2: the plume and its reflection in the
// ground, computed apart even though at Z = 0 they are equal.
double Vertical(Steps& s, Metres H, Metres sigmaZ) {
  const int Z = kReceptorHeight;
  const double b1 = s.Square(s.Subtract(Z, H));
  const double s1 = s.Square(sigmaZ);
  const double t1 = s.Power(kE, s.Multiply(kMinusHalf, s.Divide(b1, s1)));

  const double b2 = s.Square(s.Add(Z, H));
  const double s2 = s.Square(sigmaZ);
  const double t2 = s.Power(kE, s.Multiply(kMinusHalf, s.Divide(b2, s2)));
  return s.Add(t1, t2);
}

Concentration Checked(const Steps& s, double C) {
  if (s.fault() != ArithmeticFault::None) return {0, s.fault()};
  return {C, ArithmeticFault::None};
}

}  // namespace

Concentration GroundConcentration(const PlumeInputs& in, const SpreadParameters& spread,
                                  int offset) {
  // Step by step as the plume formula is written, nothing folded, so the
  // first step that faults is the one named.
  Steps s;
  const double q = Quotient(s, in, spread);
  const double qg = Lateral(s, q, spread.sigmaY, offset);
  const double C = s.Multiply(qg, Vertical(s, in.stackHeight, spread.sigmaZ));
  return Checked(s, C);
}

DistanceTerms TermsAtDistance(const PlumeInputs& in, const SpreadParameters& spread) {
  // The vertical term comes here before a, g and qg of any offset, where the
  // formula has it after them. At the first offset, the axis, those give
  // 0 / sigmaY = 0, e^-0 = 1 and q * 1, which cannot fault once q has not,
  // so the first row's first fault is still the formula's.
  Steps s;
  const double q = Quotient(s, in, spread);
  const double vertical = Vertical(s, in.stackHeight, spread.sigmaZ);
  return {.sigmaY = spread.sigmaY, .quotient = q, .vertical = vertical, .fault = s.fault()};
}

Concentration ConcentrationAtOffset(const DistanceTerms& terms, int offset) {
  Steps s(terms.fault);
  const double qg = Lateral(s, terms.quotient, terms.sigmaY, offset);
  const double C = s.Multiply(qg, terms.vertical);
  return Checked(s, C);
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
