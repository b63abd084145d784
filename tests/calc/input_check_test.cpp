#include "calc/input_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <variant>

namespace calc {
namespace {

using enum InputField;
const std::optional<InputField> kOk;

// Distance in (0, 20] km, the others above 0; a text beyond a double is refused, and the
// refusal names its field (its words: user_messages_test.cpp).
TEST(InputCheck, RefusesTheFirstBadFieldByName) {
  // clang-format off
  const struct { InputTexts texts; std::optional<InputField> refused; } cases[] = {
      {{"20", "5", "50", "1"}, kOk}, {{"0.05", "1e300", "1e300", "1e300"}, kOk},
      {{"20,5", "2,5", "50", "1"}, kOk}, {{"&H15", "5", "50", "1"}, Distance},
      {{"1e18446744073709551617", "5", "50", "1"}, Distance}, {{"10", "0", "50", "1"}, WindSpeed},
      {{"10", ",5", "50", "1"}, WindSpeed}, {{"10", "1e400", "50", "1"}, WindSpeed},
      {{"10", "5", "50", "\t"}, EmissionRate},
      // Two bad fields: the first is named.
      {{"25", "", "50", "1"}, Distance}, {{"10", "0", "0", "1"}, WindSpeed},
      {{"10", "0", "50", ""}, WindSpeed}, {{"10", "5", "0", "0"}, StackHeight},
  };
  // clang-format on
  for (const auto& c : cases) {
    const InputTexts& t = c.texts;
    SCOPED_TRACE('[' + t.distance + "][" + t.windSpeed + "][" + t.stackHeight + "][" +
                 t.emissionRate + ']');
    const CheckedInputs checked = CheckInputs(t, StabilityClass::A, AreaType::Urban);
    const InputField* refused = std::get_if<InputField>(&checked);
    EXPECT_EQ(refused ? std::optional(*refused) : std::nullopt, c.refused);
  }
}

}  // namespace
}  // namespace calc
