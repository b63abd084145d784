#pragma once
#include <optional>
#include <string>

#include "calc/types.h"

namespace calc {

// The four texts of the main window, as typed (UTF-8).
struct InputTexts {
  std::string distance;      // maximum downwind distance, km
  std::string windSpeed;     // m/s
  std::string stackHeight;   // effective stack height, m
  std::string emissionRate;  // kg/s
};

// The fields in the order in which they are checked.
enum class InputField { Distance, WindSpeed, StackHeight, EmissionRate };

// The first refused field, or nothing when all four are accepted.
std::optional<InputField> CheckInputs(const InputTexts& texts);

// Reads the four numbers of accepted texts: distance, emission rate, stack
// height, then wind speed.
PlumeInputs ReadInputs(const InputTexts& texts, StabilityClass cls, AreaType area);

}  // namespace calc
