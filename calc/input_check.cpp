#include "calc/input_check.h"

#include <optional>

#include "calc/number_reading.h"

namespace calc {
namespace {

// The farthest downwind distance a run may reach, km (inclusive).
constexpr double kMaxDistanceLimit = 20;

// The field's number, or nothing when the field is refused: an empty box
// (nothing typed; blanks count as typed), a number beyond a double, zero or
// less, and for the distance more than 20 km.
std::optional<double> Accepted(InputField field, const std::string& text) {
  if (text.empty()) return std::nullopt;
  const NumberReading reading = ReadNumber(text);
  if (reading.outOfRange || reading.value <= 0) return std::nullopt;
  if (field == InputField::Distance && reading.value > kMaxDistanceLimit) return std::nullopt;
  return reading.value;
}

}  // namespace

CheckedInputs CheckInputs(const InputTexts& texts, StabilityClass cls, AreaType area) {
  PlumeInputs inputs{.stabilityClass = cls, .areaType = area};
  const struct {
    InputField field;
    const std::string& text;
    double& value;
  } fields[] = {
      {InputField::Distance, texts.distance, inputs.maxDistance},
      {InputField::WindSpeed, texts.windSpeed, inputs.windSpeed},
      {InputField::StackHeight, texts.stackHeight, inputs.stackHeight},
      {InputField::EmissionRate, texts.emissionRate, inputs.emissionRate},
  };
  for (const auto& [field, text, value] : fields) {
    const std::optional<double> number = Accepted(field, text);
    if (!number) return field;
    value = *number;
  }
  return inputs;
}

}  // namespace calc
