#include "calc/number_reading.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace calc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ReadingCase {
  std::string text;
  double value;
  bool outOfRange = false;
};

std::ostream& operator<<(std::ostream& os, const ReadingCase& c) {
  return os << testing::PrintToString(c.text.substr(0, 40));
}

class NumberReadingRule : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NumberReadingRule, ReadsTheLeadingNumber) {
  const NumberReading r = ReadNumber(GetParam().text);
  EXPECT_EQ(r.value, GetParam().value);
  EXPECT_EQ(r.outOfRange, GetParam().outOfRange);
}

using C = ReadingCase;
INSTANTIATE_TEST_SUITE_P(Cases, NumberReadingRule, ::testing::Values(
    // Digits, one period, signs.
    C{"5", 5}, C{"0.05", 0.05}, C{".5", 0.5}, C{"5.", 5}, C{"007.250", 7.25}, C{"+7", 7},
    C{"-7", -7}, C{"-.5", -0.5}, C{"--7", 0}, C{"+-7", 0}, C{"-", 0}, C{".", 0},
    // Blanks, tabs and line feeds are skipped anywhere; CR, VT and no-break space are not.
    C{"5 0", 50}, C{" 1e3", 1000}, C{"\t\n12\t", 12}, C{"1 2 . 5", 12.5}, C{"- 7", -7},
    C{"   ", 0}, C{"1 e 3", 1000}, C{"5\r0", 5}, C{"\r5", 0}, C{"5\v0", 5},
    C{"5\xC2\xA0" "0", 5}, C{"\xC2\xA0" "5", 0},
    // Reading stops at the first character that cannot continue the number.
    C{"12abc", 12}, C{"2,5", 2}, C{"1.5.3", 1.5}, C{"abc", 0}, C{"", 0}, C{"0x10", 0},
    C{std::string("5\0" "1", 3), 5},
    // Exponents: E or D in either case, a sign, digits; a bare letter ends the number.
    C{"1e3", 1000}, C{"1E3", 1000}, C{"1d3", 1000}, C{"1D-3", 0.001}, C{"1e+3", 1000},
    C{"2.5E-1", 0.25}, C{"1e", 1}, C{"1e+", 1}, C{"1e-x", 1}, C{"1e3.5", 1000},
    C{"e3", 0}, C{".e3", 0}, C{"1f3", 1},
    // &H and &O integers, rounded to the nearest double, ties to even.
    C{"&H10", 16}, C{"&h1f", 31}, C{"&HFFFF", 65535}, C{"&O17", 15}, C{"&o777", 511},
    C{"&H", 0}, C{"&O8", 0}, C{"&O178", 15}, C{"&H1.5", 1}, C{"&X10", 0}, C{"&10", 0},
    C{" & H 1 0", 16}, C{"-&H10", 0}, C{"+&H10", 0},
    C{"&H20000000000001", 9007199254740992.0}, C{"&H20000000000003", 9007199254740996.0},
    C{"&HFFFFFFFFFFFFFC00", 18446744073709551616.0},
    C{"&O1000000000000000001", 18014398509481984.0},
    C{"&H1" + std::string(255, '0'), std::ldexp(1.0, 1020)},
    C{"&O1" + std::string(341, '0'), std::ldexp(1.0, 1023)},
    C{"&H" + std::string(256, 'F'), kInf, true}, C{"&O2" + std::string(341, '0'), kInf, true},
    // Long decimals round as their exact value, halfway cases to even.
    C{"9007199254740993", 9007199254740992.0},
    C{"9007199254740993." + std::string(1000, '0') + "1", 9007199254740994.0},
    C{"0." + std::string(1000, '0') + "1e1005", 10000},
    // Beyond the range of a double, and below it.
    C{"1e400", kInf, true}, C{"-1e400", -kInf, true}, C{"1e99999999999999999999", kInf, true},
    C{"1.7976931348623157e308", std::numeric_limits<double>::max()},
    C{"1.7976931348623159e308", kInf, true}, C{"1e-400", 0}, C{"2e-324", 0},
    C{"4.9e-324", std::numeric_limits<double>::denorm_min()},
    C{"1e-99999999999999999999", 0}, C{"0e99999999999999999999", 0},
    // Words that the C library would take for numbers.
    C{"inf", 0}, C{"-inf", 0}, C{"nan", 0}));

// Megabyte texts are read in one pass; a quadratic walk would not end.
TEST(NumberReadingLongText, MegabyteTexts) {
  const std::string mega(1 << 20, '0');
  EXPECT_TRUE(ReadNumber(std::string(1 << 20, '7')).outOfRange);
  EXPECT_EQ(ReadNumber("3" + mega + "e-1048576").value, 3);
  EXPECT_EQ(ReadNumber("0." + mega + "25e1048577").value, 2.5);
  EXPECT_EQ(ReadNumber("0." + mega + "1").value, 0);
  EXPECT_EQ(ReadNumber(std::string(1 << 20, ' ') + "4 2").value, 42);
  EXPECT_TRUE(ReadNumber("1e" + std::string(1 << 20, '9')).outOfRange);
  EXPECT_EQ(ReadNumber("&H" + mega + "1").value, 1);
  EXPECT_TRUE(ReadNumber("&O" + std::string(1 << 20, '7')).outOfRange);
  EXPECT_EQ(ReadNumber("1" + std::string(1 << 20, 'e')).value, 1);
}

TEST(NumberReadingLocale, PeriodUnderTurkishLocale) {
  if (std::setlocale(LC_ALL, "tr_TR.UTF-8") == nullptr) {
    GTEST_SKIP() << "the tr_TR.UTF-8 locale is not installed on this machine";
  }
  const double point = ReadNumber("2.5").value;
  const double comma = ReadNumber("2,5").value;
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(point, 2.5);
  EXPECT_EQ(comma, 2);
}

}  // namespace
}  // namespace calc
