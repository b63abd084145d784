#pragma once
#include "calc/types.h"

namespace calc {

// Empirical urban spread laws (distance x in metres): a * x * (1 + b * x)^c,
// sigmaZ of class C being a * x alone. B shares A's laws and F shares E's.
// X is the grid distance in kilometres, exactly as accumulated.
SpreadParameters UrbanSpread(StabilityClass cls, Kilometres X);

}  // namespace calc
