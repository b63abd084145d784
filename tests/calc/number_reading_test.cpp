#include "calc/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace calc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The leading number of a typed text, and whether it lies beyond a double.
TEST(NumberReading, ReadsTheLeadingNumber) {
  // clang-format off
  const struct { std::string text; double value; bool outOfRange = false; } cases[] = {
      // Digits, one period, signs.
      {"5", 5}, {".5", 0.5}, {"5.", 5}, {"007.250", 7.25}, {"+7", 7}, {"-.5", -0.5}, {"--7", 0}, {".", 0},
      // Blanks, tabs and line feeds are skipped anywhere; CR, VT and no-break space are not.
      {"\t\n12\t", 12}, {"1 2 . 5", 12.5}, {"- 7", -7}, {"1 e 3", 1000}, {"5\r0", 5}, {"\r5", 0}, {"5\v0", 5},
      {"\xC2\xA0" "5", 0},
      // Reading stops at the first character that cannot continue the number.
      {"12abc", 12}, {"2,5", 2}, {"1.5.3", 1.5}, {"0x10", 0}, {std::string("5\0" "1", 3), 5},
      // Exponents: E or D in either case, a sign, digits; a bare letter ends the number.
      {"1d3", 1000}, {"1D-3", 0.001}, {"2.5E-1", 0.25}, {"1e-x", 1}, {"1e3.5", 1000}, {"e3", 0}, {"1f3", 1},
      // &H and &O integers, rounded to the nearest double, ties to even.
      {"&h1f", 31}, {"&o777", 511}, {"&H", 0}, {"&O8", 0}, {"&O178", 15}, {"&H1.5", 1}, {"&X10", 0},
      {" & H 1 0", 16}, {"-&H10", 0}, {"&H20000000000001", 9007199254740992.0},
      {"&H20000000000003", 9007199254740996.0}, {"&H" + std::string(256, 'F'), kInf, true},
      {"&O1" + std::string(341, '0'), std::ldexp(1.0, 1023)}, {"&O2" + std::string(341, '0'), kInf, true},
      // Long decimals round as their exact value, halfway cases to even.
      {"9007199254740993", 9007199254740992.0},
      {"9007199254740993." + std::string(1000, '0') + "1", 9007199254740994.0},
      // Beyond the range of a double, and below it; words the C library would take for numbers.
      // An exponent beyond 64 bits stays huge: 2^64 + 1 must not wrap round to 1.
      {"-1e400", -kInf, true}, {"1e99999999999999999999", kInf, true}, {"1e18446744073709551617", kInf, true},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()}, {"1.7976931348623159e308", kInf, true},
      {"2e-324", 0}, {"4.9e-324", std::numeric_limits<double>::denorm_min()}, {"0e99999999999999999999", 0},
      {"inf", 0}, {"nan", 0},
      // A megabyte of digits is read in one pass, and rounds as its exact value.
      {"0." + std::string(1 << 20, '0') + "25e1048577", 2.5},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text.substr(0, 40)));
    const NumberReading r = ReadNumber(c.text);
    EXPECT_EQ(r.value, c.value);
    EXPECT_EQ(r.outOfRange, c.outOfRange);
  }
}

}  // namespace
}  // namespace calc
