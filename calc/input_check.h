#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "calc/types.h"

namespace calc {

// The four texts of the main window, as typed (UTF-8).
struct InputTexts {
  std::string mesafe;  // maximum downwind distance, km
  std::string rzg;     // wind speed, m/s
  std::string bc;      // effective stack height, m
  std::string em;      // emission rate, kg/s
};

// The fields in the order in which they are checked.
enum class InputField { Mesafe, Rzg, Bc, Em };

// The message shown (title "HATA") when a field is refused.
std::string_view RefusalMessage(InputField field);

// The first refused field, or nothing when all four are accepted.
std::optional<InputField> CheckInputs(const InputTexts& texts);

// Reads the four numbers (Mesafe, Em, Bc, Rzg in that order) of accepted texts.
PlumeInputs ReadInputs(const InputTexts& texts, StabilityClass cls, AreaType area);

}  // namespace calc
