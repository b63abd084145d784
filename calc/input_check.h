#pragma once
#include <string>
#include <variant>

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

// What the check made of the texts: the inputs of a run, each number the
// one its text was judged by, or the first refused field.
using CheckedInputs = std::variant<PlumeInputs, InputField>;

// Reads each text once, field by field in the check's order, and stops at
// the first refused one: the fields after it are not read.
CheckedInputs CheckInputs(const InputTexts& texts, StabilityClass cls, AreaType area);

}  // namespace calc
