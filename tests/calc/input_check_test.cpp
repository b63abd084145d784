#include "calc/input_check.h"

#include <gtest/gtest.h>

#include <optional>

namespace calc {
namespace {

using enum InputField;
const std::optional<InputField> kOk;

// The first refused field in the order distance, wind speed, stack height,
// emission rate, or none; the texts are given in that order.
TEST(InputCheck, RefusesTheFirstBadField) {
  const struct { InputTexts texts; std::optional<InputField> refused; } cases[] = {
      // The distance: above 0 and at most 20 km.
      {{"20", "5", "50", "1"}, kOk}, {{"20.0001", "5", "50", "1"}, Distance},
      {{"25", "5", "50", "1"}, Distance}, {{"0.05", "5", "50", "1"}, kOk},
      {{"0", "5", "50", "1"}, Distance}, {{"-1", "5", "50", "1"}, Distance},
      {{"", "5", "50", "1"}, Distance}, {{"abc", "5", "50", "1"}, Distance},
      {{"   ", "5", "50", "1"}, Distance}, {{"1e400", "5", "50", "1"}, Distance},
      {{"20,5", "5", "50", "1"}, kOk}, {{"&H15", "5", "50", "1"}, Distance},
      // The others: above 0, no upper limit.
      {{"10", "2,5", "50", "1"}, kOk}, {{"10", " 1e3", "50", "1"}, kOk},
      {{"10", "1e300", "50", "1"}, kOk}, {{"10", "0", "50", "1"}, WindSpeed},
      {{"10", "", "50", "1"}, WindSpeed}, {{"10", " ", "50", "1"}, WindSpeed},
      {{"10", ",5", "50", "1"}, WindSpeed}, {{"10", "1e400", "50", "1"}, WindSpeed},
      {{"10", "1e-400", "50", "1"}, WindSpeed}, {{"10", "5", "0", "1"}, StackHeight},
      {{"10", "5", "yok", "1"}, StackHeight}, {{"10", "5", "50", ""}, EmissionRate},
      {{"10", "5", "50", "-0.5"}, EmissionRate}, {{"10", "5", "50", "\t"}, EmissionRate},
      // Two bad fields: the first is named.
      {{"25", "", "50", "1"}, Distance}, {{"10", "0", "0", "1"}, WindSpeed},
      {{"10", "0", "50", ""}, WindSpeed}, {{"10", "5", "0", "0"}, StackHeight},
      {{"", "5", "50", ""}, Distance}, {{}, Distance},
  };
  for (const auto& c : cases) {
    const InputTexts& t = c.texts;
    SCOPED_TRACE('[' + t.distance + "][" + t.windSpeed + "][" + t.stackHeight + "][" + t.emissionRate + ']');
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
