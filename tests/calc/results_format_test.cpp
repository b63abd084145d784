#include "calc/results_format.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>

namespace calc {
namespace {

struct NumberCase {
  double value;
  int digits;
  const char* text;
};

std::ostream& operator<<(std::ostream& os, const NumberCase& c) {
  return os << c.value << " at " << c.digits << " digits";
}

class ResultsFormatNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ResultsFormatNumber, RoundsTheExactValue) {
  EXPECT_EQ(FormatNumber(GetParam().value, GetParam().digits), GetParam().text);
}

using N = NumberCase;
INSTANTIATE_TEST_SUITE_P(Cases, ResultsFormatNumber, ::testing::Values(
    N{0, 7, "0"}, N{-0.0, 7, "0"}, N{100, 15, "100"}, N{-1234.5, 15, "-1234.5"},
    N{0.37, 7, "0.37"}, N{0.0001, 7, "0.0001"}, N{0.00001, 7, "1E-05"},
    // Ties to even, of the binary value: 0.15 is a little below, 1.0000005 above.
    N{0.15, 1, "0.1"}, N{0.25, 1, "0.2"}, N{2.5, 1, "2"}, N{3.5, 1, "4"},
    N{1.0000005, 7, "1.000001"}, N{300.00000000000006, 15, "300"},
    // Exponent form when the rounded number has more than N integer digits.
    N{12345678, 7, "1.234568E+07"}, N{10000000, 7, "1E+07"}, N{12000000, 7, "1.2E+07"},
    N{9999999.4, 7, "9999999"}, N{9999999.5, 7, "1E+07"}, N{99.5, 2, "1E+02"},
    N{98.5, 2, "98"}, N{1e100, 15, "1E+100"}, N{100000000000000, 15, "100000000000000"},
    N{999999999999999.5, 15, "1E+15"}, N{-12345678, 7, "-1.234568E+07"}));

// The digits of the C library's %.NG in the "C" locale, at every size,
// for doubles and for singles widened to double.
TEST(ResultsFormatNumberAgainstPrintf, RandomNumbers) {
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> power(-7, 22);
  std::uniform_int_distribution<int> digits(1, 17);
  std::array<char, 64> expected{};
  for (int i = 0; i < 100000; ++i) {
    const int n = i % 2 ? 7 : digits(random);
    double value = mantissa(random) * std::pow(10.0, power(random));
    if (i % 4 == 0) value = std::nearbyint(value * 2) / 2;  // halfway cases
    if (i % 3 == 0) value = static_cast<float>(value);
    if (value == 0) continue;
    std::snprintf(expected.data(), expected.size(), "%.*G", n, value);
    ASSERT_EQ(FormatNumber(value, n), expected.data()) << value << " at " << n << " digits";
  }
}

TEST(ResultsFormatValue, SevenDigitsOfTheSingle) {
  EXPECT_EQ(FormatValue(3529.080078125f), "3529.08");
  EXPECT_EQ(FormatValue(0.37f), "0.37");
  EXPECT_EQ(FormatValue(4194304.5f), "4194304");  // a single that ends in .5: ties to even
  EXPECT_EQ(FormatValue(4194305.5f), "4194306");
  EXPECT_EQ(FormatValue(16777217.0f), "1.677722E+07");
  EXPECT_EQ(FormatValue(3.4e38f), "3.4E+38");
}

// The k-th distance of a 20 km run is 0.1 added k - 1 times to 0.1, times 1000.
TEST(ResultsFormatDistance, AllDistancesOfATwentyKilometreRun) {
  double x = 0.1;
  for (int k = 1; k <= 199; ++k, x += 0.1) {
    std::string expected = std::to_string(k * 100);
    if (k >= 60 && k <= 88) expected = std::to_string(k * 100 - 1) + ".99999999999";
    if (k >= 89 && k <= 100) expected = std::to_string(k * 100 - 1) + ".99999999998";
    EXPECT_EQ(FormatDistance(x * 1000), expected) << "distance " << k;
  }
}

struct RowCase {
  ResultRow row;
  const char* fileLine;
  const char* listRow;  // with a comma as the locale's decimal separator
};

std::ostream& operator<<(std::ostream& os, const RowCase& c) { return os << c.listRow; }

class ResultsFormatRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(ResultsFormatRow, FileLine) { EXPECT_EQ(FileRowLine(GetParam().row), GetParam().fileLine); }

TEST_P(ResultsFormatRow, ListRow) {
  EXPECT_EQ(ListRowText(GetParam().row, ","), GetParam().listRow);
}

using R = RowCase;
INSTANTIATE_TEST_SUITE_P(Cases, ResultsFormatRow, ::testing::Values(
    R{{100, 0, 412.8f}, "100,0,412.8\r\n", " 100\t 0\t412,8"},
    R{{1000, 500, 3.79f}, "1000,500,3.79\r\n", " 1000\t 500\t3,79"},
    R{{1000, 0, 3529.080078125f}, "1000,0,3529.08\r\n", " 1000\t 0\t3529,08"},
    R{{100, 100, 0.0f}, "100,100,0\r\n", " 100\t 100\t0"},
    R{{300.00000000000006, 200, 0.37f}, "300,200,0.37\r\n", " 300\t 200\t0,37"},
    R{{5999.9999999999945, 400, 12.5f}, "5999.99999999999,400,12.5\r\n",
      " 5999.99999999999\t 400\t12,5"},
    R{{19900, 300, 12345678.0f}, "19900,300,1.234568E+07\r\n", " 19900\t 300\t1,234568E+07"},
    R{{2000, 0, 10000000.0f}, "2000,0,1E+07\r\n", " 2000\t 0\t1E+07"}));

// Under a locale whose decimal separator is a comma the writer keeps periods.
class ResultsFormatTurkishLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::setlocale(LC_ALL, "tr_TR.UTF-8") == nullptr) {
      GTEST_SKIP() << "the tr_TR.UTF-8 locale is not installed on this machine";
    }
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(ResultsFormatTurkishLocale, PeriodsStayPeriods) {
  ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the locale did not take effect";
  EXPECT_EQ(FileRowLine({5999.9999999999945, 0, 3529.080078125f}),
            "5999.99999999999,0,3529.08\r\n");
  EXPECT_EQ(FileRowLine({19900, 500, 12345678.0f}), "19900,500,1.234568E+07\r\n");
  EXPECT_EQ(ListRowText({5999.9999999999945, 100, 0.37f}, "."), " 5999.99999999999\t 100\t0.37");
}

}  // namespace
}  // namespace calc
