#pragma once
// The records that travel through one calculation run.

namespace calc {

// Pasquill stability class, as picked with the option buttons atma..atmf.
enum class StabilityClass { A, B, C, D, E, F };

inline constexpr StabilityClass kAllClasses[] = {StabilityClass::A, StabilityClass::B,
                                                 StabilityClass::C, StabilityClass::D,
                                                 StabilityClass::E, StabilityClass::F};

// One entry per class, each named for it: every coefficient table of the
// spread laws has this shape, written {.A = ..., .B = ..., ..., .F = ...}.
template <class Entry>
struct PerClass {
  Entry A, B, C, D, E, F;

  constexpr const Entry& operator[](StabilityClass cls) const {
    switch (cls) {
      case StabilityClass::A: return A;
      case StabilityClass::B: return B;
      case StabilityClass::C: return C;
      case StabilityClass::D: return D;
      case StabilityClass::E: return E;
      case StabilityClass::F: break;
    }
    return F;
  }
};

// Urban when "Kentsel Alan" is selected, Rural otherwise.
enum class AreaType { Urban, Rural };

using Kilometres = double;
using Metres = double;
using MetresPerSecond = double;
using KilogramsPerSecond = double;

// The four typed numbers of a run, exactly as read, with the two selections.
struct PlumeInputs {
  Kilometres maxDistance = 0;           // Xmax, 0 < Xmax <= 20
  MetresPerSecond windSpeed = 0;        // u
  Metres stackHeight = 0;               // H, effective height
  KilogramsPerSecond emissionRate = 0;  // Q
  StabilityClass stabilityClass = StabilityClass::A;
  AreaType areaType = AreaType::Urban;
};

// Horizontal and vertical spread of the plume at one grid point.
struct SpreadParameters {
  Metres sigmaY = 0;
  Metres sigmaZ = 0;
};

// One grid point as it is written to the results file and the list.
struct ResultRow {
  Metres distance = 0;  // accumulated X (km) times 1000, never rounded
  int offset = 0;       // lateral offset Y in metres, 0..500
  float value = 0;      // concentration in micrograms per cubic metre, two decimals
  bool operator==(const ResultRow&) const = default;
};

}  // namespace calc
