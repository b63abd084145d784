#pragma once
// The run's two constants. They are the doubles nearest to these short
// decimals, not the full-precision values: every number of the results
// file depends on them to the last bit.

namespace calc {

inline constexpr double kPi = 3.141592654;
inline constexpr double kE = 2.71828182845904;

// The receptor height: the concentration is reported at ground level.
inline constexpr int kReceptorHeight = 0;

}  // namespace calc
