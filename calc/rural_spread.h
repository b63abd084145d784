#pragma once
#include "calc/types.h"

namespace calc {

// Pasquill-Gifford half-angle law: T = c - d * ln X (degrees).
struct RuralSigmaYCoefficients {
  double c;  // intercept, degrees
  double d;  // slope, degrees per unit of ln X (km)
};

RuralSigmaYCoefficients RuralSigmaYCoefficientsOf(StabilityClass cls);

// sigmaY in metres = ((1000 / 2.15) * X) * tan(T in radians).
Metres RuralSigmaY(StabilityClass cls, Kilometres X);

}  // namespace calc
