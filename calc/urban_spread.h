#pragma once
#include "calc/types.h"

namespace calc {

// Empirical urban spread laws (distance x in metres): a * x * (1 + b * x)^c,
// sigmaZ of class C being a * x alone. B shares A's laws and F shares E's.
// X is the grid distance in kilometres, exactly as accumulated.
SpreadParameters UrbanSpread(StabilityClass cls, Kilometres X);

// One urban law: a * x * (1 + b * x)^c with x in metres. A law without a
// bracket is a * x alone.
struct UrbanLaw {
  double a;
  double b;
  double c;
  bool bracket;
};

struct UrbanLaws {
  UrbanLaw sigmaY;
  UrbanLaw sigmaZ;
};

// The class's laws as the urban table has them.
const UrbanLaws& UrbanLawsOf(StabilityClass cls);

}  // namespace calc
