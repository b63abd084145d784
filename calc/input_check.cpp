#include "calc/input_check.h"

#include "calc/number_reading.h"

namespace calc {
namespace {

// The farthest downwind distance a run may reach, km (inclusive).
constexpr double kMaxDistanceLimit = 20;

constexpr InputField kCheckOrder[] = {InputField::Mesafe, InputField::Rzg, InputField::Bc,
                                      InputField::Em};

const std::string& TextOf(const InputTexts& texts, InputField field) {
  switch (field) {
    case InputField::Mesafe: return texts.mesafe;
    case InputField::Rzg: return texts.rzg;
    case InputField::Bc: return texts.bc;
    case InputField::Em: break;
  }
  return texts.em;
}

// An empty box (nothing typed, blanks count as typed), a number beyond a
// double, zero or less, and for the distance more than 20 km.
bool IsRefused(InputField field, const std::string& text) {
  if (text.empty()) return true;
  const NumberReading reading = ReadNumber(text);
  if (reading.outOfRange || reading.value <= 0) return true;
  return field == InputField::Mesafe && reading.value > kMaxDistanceLimit;
}

}  // namespace

std::string_view RefusalMessage(InputField field) {
  switch (field) {
    case InputField::Mesafe: return "Max. Uzaklik Degerine DIKKAT!!!";
    case InputField::Rzg: return "Rüzgar Degerine DIKKAT!!!";
    case InputField::Bc: return "Baca Yükseklik Degerine DIKKAT!!!";
    case InputField::Em: break;
  }
  return "Emisyon Çikis Degerine DIKKAT!!!";
}

std::optional<InputField> CheckInputs(const InputTexts& texts) {
  for (InputField field : kCheckOrder) {
    if (IsRefused(field, TextOf(texts, field))) return field;
  }
  return std::nullopt;
}

PlumeInputs ReadInputs(const InputTexts& texts, StabilityClass cls, AreaType area) {
  PlumeInputs inputs;
  inputs.maxDistance = ReadNumber(texts.mesafe).value;
  inputs.emissionRate = ReadNumber(texts.em).value;
  inputs.stackHeight = ReadNumber(texts.bc).value;
  inputs.windSpeed = ReadNumber(texts.rzg).value;
  inputs.stabilityClass = cls;
  inputs.areaType = area;
  return inputs;
}

}  // namespace calc
