#pragma once
#include "calc/arithmetic_fault.h"
#include "calc/types.h"

namespace calc {

// Ground-level concentration C in kg/m3 at lateral offset Y (metres) with
// ground reflection, evaluated step by step in the fixed order d1..d4, q,
// a, g, qg, b1, s1, t1, b2, s2, t2. A step that divides by zero, overflows
// or gives NaN is reported instead of a value.
struct Concentration {
  double value = 0;
  ArithmeticFault fault = ArithmeticFault::None;
};
Concentration GroundConcentration(const PlumeInputs& in, const SpreadParameters& spread,
                                  int offset);

// The same steps split where their inputs part: those that depend on the
// distance alone, through its spread (d1..d4, q, the vertical term t1 + t2
// with both reflections), computed once for the distance's six offsets,
// and those of one offset (a, g, qg, C). Each value is the one
// GroundConcentration computes, and a fault in a distance's terms is the
// fault of each of its rows, so its first row reports it.
struct DistanceTerms {
  Metres sigmaY = 0;
  double quotient = 0;  // q = Q / (2 pi u sigmaY sigmaZ), kg/m3
  double vertical = 0;  // t1 + t2
  ArithmeticFault fault = ArithmeticFault::None;
};
DistanceTerms TermsAtDistance(const PlumeInputs& in, const SpreadParameters& spread);
// C at a lateral offset from its distance's terms.
Concentration ConcentrationAtOffset(const DistanceTerms& terms, int offset);

// The value reported in micrograms per cubic metre: C rounded to float,
// times 1e9 in double, rounded to two decimals (ties to even), rounded to
// float again. Overflow when C or the rounded value leaves the float range.
struct ReportedValue {
  float value = 0;
  ArithmeticFault fault = ArithmeticFault::None;
};
ReportedValue ReportConcentration(double c);

}  // namespace calc
