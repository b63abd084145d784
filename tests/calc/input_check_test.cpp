#include "calc/input_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace calc {
namespace {

struct CheckCase {
  InputTexts texts;  // Mesafe, Rzg, Bc, Em
  std::optional<InputField> refused;
};

std::ostream& operator<<(std::ostream& os, const CheckCase& c) {
  const InputTexts& t = c.texts;
  return os << '[' << t.mesafe << "][" << t.rzg << "][" << t.bc << "][" << t.em << ']';
}

class InputCheckRule : public ::testing::TestWithParam<CheckCase> {};

TEST_P(InputCheckRule, RefusesTheFirstBadField) {
  EXPECT_EQ(CheckInputs(GetParam().texts), GetParam().refused);
}

constexpr auto kMesafe = InputField::Mesafe;
constexpr auto kRzg = InputField::Rzg;
constexpr auto kBc = InputField::Bc;
constexpr auto kEm = InputField::Em;
const std::optional<InputField> kOk;

using C = CheckCase;
INSTANTIATE_TEST_SUITE_P(Cases, InputCheckRule, ::testing::Values(
    // The distance: above 0 and at most 20 km.
    C{{"20", "5", "50", "1"}, kOk}, C{{"20.0001", "5", "50", "1"}, kMesafe},
    C{{"25", "5", "50", "1"}, kMesafe}, C{{"0.05", "5", "50", "1"}, kOk},
    C{{"0", "5", "50", "1"}, kMesafe}, C{{"-1", "5", "50", "1"}, kMesafe},
    C{{"", "5", "50", "1"}, kMesafe}, C{{"abc", "5", "50", "1"}, kMesafe},
    C{{"   ", "5", "50", "1"}, kMesafe}, C{{"1e400", "5", "50", "1"}, kMesafe},
    C{{"20,5", "5", "50", "1"}, kOk}, C{{"&H15", "5", "50", "1"}, kMesafe},
    // The others: above 0, no upper limit.
    C{{"10", "2,5", "50", "1"}, kOk}, C{{"10", " 1e3", "50", "1"}, kOk},
    C{{"10", "1e300", "50", "1"}, kOk}, C{{"10", "0", "50", "1"}, kRzg},
    C{{"10", "", "50", "1"}, kRzg}, C{{"10", " ", "50", "1"}, kRzg},
    C{{"10", ",5", "50", "1"}, kRzg}, C{{"10", "1e400", "50", "1"}, kRzg},
    C{{"10", "1e-400", "50", "1"}, kRzg}, C{{"10", "5", "0", "1"}, kBc},
    C{{"10", "5", "yok", "1"}, kBc}, C{{"10", "5", "50", ""}, kEm},
    C{{"10", "5", "50", "-0.5"}, kEm}, C{{"10", "5", "50", "\t"}, kEm},
    // Two bad fields: the first in the order Mesafe, Rzg, Bc, Em is named.
    C{{"25", "", "50", "1"}, kMesafe}, C{{"10", "0", "50", ""}, kRzg},
    C{{"10", "5", "0", "0"}, kBc}, C{{"", "5", "50", ""}, kMesafe}, C{{}, kMesafe}));

// Compared byte for byte: ü is C3 BC and Ç is C3 87 in UTF-8.
TEST(InputCheckMessages, ExactTextOfEachField) {
  EXPECT_EQ(RefusalMessage(InputField::Mesafe), "Max. Uzaklik Degerine DIKKAT!!!");
  EXPECT_EQ(RefusalMessage(InputField::Rzg), "R\xC3\xBCzgar Degerine DIKKAT!!!");
  EXPECT_EQ(RefusalMessage(InputField::Bc), "Baca Y\xC3\xBCkseklik Degerine DIKKAT!!!");
  EXPECT_EQ(RefusalMessage(InputField::Em), "Emisyon \xC3\x87ikis Degerine DIKKAT!!!");
}

TEST(InputCheckReading, EachTextGoesToItsQuantity) {
  const PlumeInputs in =
      ReadInputs({" 1e1", "2,5", "&H32", "0.5"}, StabilityClass::D, AreaType::Rural);
  EXPECT_EQ(in.maxDistance, 10);
  EXPECT_EQ(in.windSpeed, 2);
  EXPECT_EQ(in.stackHeight, 50);
  EXPECT_EQ(in.emissionRate, 0.5);
  EXPECT_EQ(in.stabilityClass, StabilityClass::D);
  EXPECT_EQ(in.areaType, AreaType::Rural);
}

}  // namespace
}  // namespace calc
