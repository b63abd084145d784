#include "calc/results_format.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "calc/number_reading.h"

namespace calc {
namespace {

// A number rounded once to N significant digits of its exact binary value;
// zero of either sign is "0", and a value above N integer digits takes the
// exponent form with two exponent digits at least.
TEST(ResultsFormat, NumberRoundsTheExactValue) {
  const struct { double value; int digits; const char* text; } cases[] = {
      {0, 7, "0"}, {-0.0, 7, "0"}, {100, 15, "100"}, {0.37, 7, "0.37"}, {0.00001, 7, "1E-05"},
      {300.00000000000006, 15, "300"}, {5999.9999999999945, 15, "5999.99999999999"},
      {4150390.5f, 7, "4150390"}, {4150391.5f, 7, "4150392"}, {12345678, 7, "1.234568E+07"},
      {10000000, 7, "1E+07"}, {9999999.5, 7, "1E+07"}, {1e100, 15, "1E+100"}, {3.4e38f, 7, "3.4E+38"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.digits), c.text) << c.value << " at " << c.digits << " digits";
  }
}

// The digits of the C library's %.NG in the "C" locale, at every size,
// for doubles and for singles widened to double, halfway cases included.
TEST(ResultsFormat, NumberAgreesWithPrintfOnRandomNumbers) {
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> power(-7, 22), digits(1, 17);
  std::array<char, 64> expected{};
  for (int i = 0; i < 100000; ++i) {
    const int n = i % 2 ? 7 : digits(random);
    double value = mantissa(random) * std::pow(10.0, power(random));
    if (i % 4 == 0) value = std::nearbyint(value * 2) / 2;
    if (i % 3 == 0) value = static_cast<float>(value);
    if (value == 0) continue;
    std::snprintf(expected.data(), expected.size(), "%.*G", n, value);
    ASSERT_EQ(FormatNumber(value, n), expected.data()) << value << " at " << n << " digits";
  }
}

// A row of the file, and of the list with a comma as the locale's decimal
// separator: distance at 15 digits, value at 7.
TEST(ResultsFormat, FileLineAndListRow) {
  const struct { ResultRow row; const char* fileLine; const char* listRow; } cases[] = {
      {{1000, 500, 3.79f}, "1000,500,3.79\r\n", " 1000\t 500\t3,79"},
      {{100, 100, 0.0f}, "100,100,0\r\n", " 100\t 100\t0"},
      {{5999.9999999999945, 400, 0.37f}, "5999.99999999999,400,0.37\r\n", " 5999.99999999999\t 400\t0,37"},
      {{19900, 300, 12345678.0f}, "19900,300,1.234568E+07\r\n", " 19900\t 300\t1,234568E+07"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileRowLine(c.row), c.fileLine);
    EXPECT_EQ(ListRowText(c.row, ","), c.listRow);
  }
}

// Under a locale whose decimal separator is a comma the typed texts are
// still read, and the results written, with a period.
TEST(ResultsFormat, PeriodsUnderTurkishLocale) {
  if (std::setlocale(LC_ALL, "tr_TR.UTF-8") == nullptr) GTEST_SKIP() << "no tr_TR.UTF-8 locale here";
  const std::string decimalPoint = std::localeconv()->decimal_point;
  const double point = ReadNumber("2.5").value, comma = ReadNumber("2,5").value;
  const std::string file = FileRowLine({5999.9999999999945, 0, 3529.080078125f});
  const std::string large = FileRowLine({19900, 500, 12345678.0f});
  const std::string list = ListRowText({5999.9999999999945, 100, 0.37f}, ".");
  std::setlocale(LC_ALL, "C");
  ASSERT_EQ(decimalPoint, ",") << "the locale did not take effect";
  EXPECT_EQ(point, 2.5);
  EXPECT_EQ(comma, 2);
  EXPECT_EQ(file, "5999.99999999999,0,3529.08\r\n");
  EXPECT_EQ(large, "19900,500,1.234568E+07\r\n");
  EXPECT_EQ(list, " 5999.99999999999\t 100\t0.37");
}

}  // namespace
}  // namespace calc
