#include "calc/input_check.h"

#include <gtest/gtest.h>

#include <optional>

namespace calc {
namespace {

using enum InputField;
const std::optional<InputField> kOk;

// The first refused field in the order Mesafe, Rzg, Bc, Em, or none; the
// texts are given in that order.
TEST(InputCheck, RefusesTheFirstBadField) {
  const struct { InputTexts texts; std::optional<InputField> refused; } cases[] = {
      // The distance: above 0 and at most 20 km.
      {{"20", "5", "50", "1"}, kOk}, {{"20.0001", "5", "50", "1"}, Mesafe},
      {{"25", "5", "50", "1"}, Mesafe}, {{"0.05", "5", "50", "1"}, kOk},
      {{"0", "5", "50", "1"}, Mesafe}, {{"-1", "5", "50", "1"}, Mesafe},
      {{"", "5", "50", "1"}, Mesafe}, {{"abc", "5", "50", "1"}, Mesafe},
      {{"   ", "5", "50", "1"}, Mesafe}, {{"1e400", "5", "50", "1"}, Mesafe},
      {{"20,5", "5", "50", "1"}, kOk}, {{"&H15", "5", "50", "1"}, Mesafe},
      // The others: above 0, no upper limit.
      {{"10", "2,5", "50", "1"}, kOk}, {{"10", " 1e3", "50", "1"}, kOk},
      {{"10", "1e300", "50", "1"}, kOk}, {{"10", "0", "50", "1"}, Rzg},
      {{"10", "", "50", "1"}, Rzg}, {{"10", " ", "50", "1"}, Rzg},
      {{"10", ",5", "50", "1"}, Rzg}, {{"10", "1e400", "50", "1"}, Rzg},
      {{"10", "1e-400", "50", "1"}, Rzg}, {{"10", "5", "0", "1"}, Bc},
      {{"10", "5", "yok", "1"}, Bc}, {{"10", "5", "50", ""}, Em},
      {{"10", "5", "50", "-0.5"}, Em}, {{"10", "5", "50", "\t"}, Em},
      // Two bad fields: the first is named.
      {{"25", "", "50", "1"}, Mesafe}, {{"10", "0", "50", ""}, Rzg},
      {{"10", "5", "0", "0"}, Bc}, {{"", "5", "50", ""}, Mesafe}, {{}, Mesafe},
  };
  for (const auto& c : cases) {
    const InputTexts& t = c.texts;
    SCOPED_TRACE('[' + t.mesafe + "][" + t.rzg + "][" + t.bc + "][" + t.em + ']');
    EXPECT_EQ(CheckInputs(t), c.refused);
  }
}

TEST(InputCheck, EachTextGoesToItsQuantity) {
  const PlumeInputs in = ReadInputs({" 1e1", "2,5", "&H32", "0.5"}, StabilityClass::D, AreaType::Rural);
  EXPECT_EQ(in.maxDistance, 10);
  EXPECT_EQ(in.windSpeed, 2);
  EXPECT_EQ(in.stackHeight, 50);
  EXPECT_EQ(in.emissionRate, 0.5);
  EXPECT_EQ(in.stabilityClass, StabilityClass::D);
  EXPECT_EQ(in.areaType, AreaType::Rural);
}

}  // namespace
}  // namespace calc
