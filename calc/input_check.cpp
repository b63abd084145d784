#include "calc/input_check.h"

#include "calc/number_reading.h"

namespace calc {
namespace {

// The farthest downwind distance a run may reach, km (inclusive).
constexpr double kMaxDistanceLimit = 20;

constexpr InputField kCheckOrder[] = {InputField::Distance, InputField::WindSpeed,
                                      InputField::StackHeight, InputField::EmissionRate};

const std::string& TextOf(const InputTexts& texts, InputField field) {
  switch (field) {
    case InputField::Distance: return texts.distance;
    case InputField::WindSpeed: return texts.windSpeed;
    case InputField::StackHeight: return texts.stackHeight;
    case InputField::EmissionRate: break;
  }
  return texts.emissionRate;
}

// An empty box (nothing typed, blanks count as typed), a number beyond a
// double, zero or less, and for the distance more than 20 km.
bool IsRefused(InputField field, const std::string& text) {
  if (text.empty()) return true;
  const NumberReading reading = ReadNumber(text);
  if (reading.outOfRange || reading.value <= 0) return true;
  return field == InputField::Distance && reading.value > kMaxDistanceLimit;
}

}  // namespace

std::optional<InputField> CheckInputs(const InputTexts& texts) {
  for (InputField field : kCheckOrder) {
    if (IsRefused(field, TextOf(texts, field))) return field;
  }
  return std::nullopt;
}

PlumeInputs ReadInputs(const InputTexts& texts, StabilityClass cls, AreaType area) {
  PlumeInputs inputs;
  inputs.maxDistance = ReadNumber(texts.distance).value;
  inputs.emissionRate = ReadNumber(texts.emissionRate).value;
  inputs.stackHeight = ReadNumber(texts.stackHeight).value;
  inputs.windSpeed = ReadNumber(texts.windSpeed).value;
  inputs.stabilityClass = cls;
  inputs.areaType = area;
  return inputs;
}

}  // namespace calc
