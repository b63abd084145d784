#include "calc/urban_spread.h"

#include <cmath>

namespace calc {
namespace {

// The empirical urban table. B has no laws of its own and uses A's; F uses E's.
// The A/B sigmaZ bracket is one ten-thousandth with the exponent +1/2, so the
// vertical spread of the unstable classes grows faster than the distance.
constexpr UrbanLaws kClassA{{0.32, 0.0004, -0.5, true}, {0.24, 0.0001, +0.5, true}};
constexpr UrbanLaws kClassC{{0.22, 0.0004, -0.5, true}, {0.20, 0, 0, false}};
constexpr UrbanLaws kClassD{{0.16, 0.0004, -0.5, true}, {0.14, 0.0003, -0.5, true}};
constexpr UrbanLaws kClassE{{0.11, 0.0004, -0.5, true}, {0.08, 0.0015, -0.5, true}};

constexpr PerClass<UrbanLaws> kUrbanLaws{
    .A = kClassA, .B = kClassA, .C = kClassC, .D = kClassD, .E = kClassE, .F = kClassE};

// The grid distance X is in kilometres; the factor 1000 turns each product
// into metres at the place the law has it, and the order is kept as it is
// so every result matches to the last bit.
Metres Evaluate(const UrbanLaw& law, Kilometres X) {
  const double p = (law.a * X) * 1000;
  if (!law.bracket) return p;
  const double q = 1 + ((law.b * X) * 1000);
  const double r = std::pow(q, law.c);
  return p * r;
}

}  // namespace

SpreadParameters UrbanSpread(StabilityClass cls, Kilometres X) {
  const UrbanLaws& laws = kUrbanLaws[cls];
  return {.sigmaY = Evaluate(laws.sigmaY, X), .sigmaZ = Evaluate(laws.sigmaZ, X)};
}

const UrbanLaws& UrbanLawsOf(StabilityClass cls) { return kUrbanLaws[cls]; }

}  // namespace calc
