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

// Rounded once from the exact binary value, halfway cases included; zero of either sign is "0".
TEST(ResultsFormat, NumberAgreesWithPrintf) {
  EXPECT_EQ(FormatNumber(-0.0, 7), "0");
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

TEST(ResultsFormat, PeriodsUnderTurkishLocale) {
  // The POSIX name, then the Windows one.
  if (std::setlocale(LC_ALL, "tr_TR.UTF-8") == nullptr &&
      std::setlocale(LC_ALL, "Turkish_Turkey.1254") == nullptr)
    GTEST_SKIP() << "no Turkish locale here (tr_TR.UTF-8, Turkish_Turkey.1254)";
  const std::string decimalPoint = std::localeconv()->decimal_point;
  const double point = ReadNumber("2.5").value, comma = ReadNumber("2,5").value;
  const std::string file(FormattedRow({5999.9999999999945, 0, 3529.080078125f}).fileLine());
  std::string list;
  FormattedRow({5999.9999999999945, 100, 0.37f}).appendListRow(list, ".");
  std::setlocale(LC_ALL, "C");
  ASSERT_EQ(decimalPoint, ",") << "the locale did not take effect";
  EXPECT_EQ(point, 2.5);
  EXPECT_EQ(comma, 2);
  EXPECT_EQ(file, "5999.99999999999,0,3529.08\r\n");
  EXPECT_EQ(list, " 5999.99999999999\t 100\t0.37\n");
}

}  // namespace
}  // namespace calc
