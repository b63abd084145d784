#include "calc/results_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace calc {
namespace {

constexpr int kMaxSignificantDigits = 17;  // enough to tell any two doubles apart
constexpr int kDistanceDigits = 15;
constexpr int kValueDigits = 7;
// Below 10^-4 a number is written in exponent form, as the C library does.
constexpr int kLowestFixedPower = -4;

// A finite non-zero number rounded to N significant digits:
// digits "d1d2...dk" (no trailing zeros) standing for d1.d2...dk x 10^power.
struct RoundedDecimal {
  bool negative = false;
  std::string digits;
  int power = 0;
};

RoundedDecimal Round(double value, int significantDigits) {
  std::array<char, 64> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                       std::chars_format::scientific, significantDigits - 1);
  (void)ec;  // the buffer holds any double at 17 digits
  const std::string_view text(buf.data(), static_cast<std::size_t>(end - buf.data()));
  const std::size_t e = text.find('e');
  RoundedDecimal r;
  r.negative = text.front() == '-';
  for (char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') r.digits.push_back(c);
  }
  r.digits.erase(r.digits.find_last_not_of('0') + 1);
  const std::string_view exponent = text.substr(e + 1);
  const bool negativePower = exponent.front() == '-';
  std::from_chars(exponent.data() + 1, exponent.data() + exponent.size(), r.power);
  if (negativePower) r.power = -r.power;
  return r;
}

// d.ddd E+xx, with at least two exponent digits.
std::string ExponentForm(const RoundedDecimal& r) {
  std::string s(1, r.digits.front());
  if (r.digits.size() > 1) s += '.' + r.digits.substr(1);
  s += r.power < 0 ? "E-" : "E+";
  const std::string power = std::to_string(std::abs(r.power));
  if (power.size() < 2) s += '0';
  return s + power;
}

// ddd.ddd, with a zero before the point of a number below 1.
std::string FixedForm(const RoundedDecimal& r) {
  if (r.power < 0) {
    return "0." + std::string(static_cast<std::size_t>(-r.power - 1), '0') + r.digits;
  }
  const auto integerDigits = static_cast<std::size_t>(r.power) + 1;
  std::string digits = r.digits;
  if (digits.size() < integerDigits) digits.resize(integerDigits, '0');
  std::string s = digits.substr(0, integerDigits);
  if (digits.size() > integerDigits) s += '.' + digits.substr(integerDigits);
  return s;
}

std::string OffsetText(int offset) {
  std::array<char, 16> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), offset);
  (void)ec;
  return std::string(buf.data(), end);
}

}  // namespace

std::string FormatNumber(double value, int significantDigits) {
  if (value == 0) return "0";
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
  const int digits = std::clamp(significantDigits, 1, kMaxSignificantDigits);
  const RoundedDecimal r = Round(value, digits);
  const bool exponentForm = r.power >= digits || r.power < kLowestFixedPower;
  return (r.negative ? "-" : "") + (exponentForm ? ExponentForm(r) : FixedForm(r));
}

std::string FormatDistance(double metres) { return FormatNumber(metres, kDistanceDigits); }

std::string FormatValue(float value) { return FormatNumber(value, kValueDigits); }

std::string FileRowLine(const ResultRow& row) {
  return FormatDistance(row.distance) + ',' + OffsetText(row.offset) + ',' +
         FormatValue(row.value) + "\r\n";
}

std::string ListRowText(const ResultRow& row, std::string_view decimalSeparator) {
  std::string value = FormatValue(row.value);
  const std::size_t point = value.find('.');
  if (point != std::string::npos) value.replace(point, 1, decimalSeparator);
  return ' ' + FormatDistance(row.distance) + '\t' + ' ' + OffsetText(row.offset) + '\t' +
         value;
}

}  // namespace calc
