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

// Room for any number at 17 digits in either form, sign and exponent included.
constexpr std::size_t kNumberRoom = 32;

// Writes a finite non-zero number rounded to N significant digits at `out`
// and returns the end. Everything stays in the caller's buffer: a 20 km run
// formats some 3600 numbers and each heap allocation would show.
char* WriteRounded(char* out, double value, int digits) {
  // d.ddddde+xx: the exact binary value rounded once, ties to even.
  std::array<char, kNumberRoom> sci{};
  const auto res = std::to_chars(sci.data(), sci.data() + sci.size(), value,
                                 std::chars_format::scientific, digits - 1);
  const char* p = sci.data();
  if (*p == '-') *out++ = *p++;
  // Collect the mantissa digits without the point, then drop trailing zeros.
  std::array<char, kNumberRoom> mant{};
  int count = 0;
  for (; *p != 'e'; ++p) {
    if (*p != '.') mant[static_cast<std::size_t>(count++)] = *p;
  }
  while (count > 1 && mant[static_cast<std::size_t>(count - 1)] == '0') --count;
  int power = 0;
  const bool negativePower = p[1] == '-';
  std::from_chars(p + 2, res.ptr, power);
  if (negativePower) power = -power;

  if (power >= digits || power < kLowestFixedPower) {
    // d.ddd E+xx, with at least two exponent digits.
    *out++ = mant[0];
    if (count > 1) {
      *out++ = '.';
      out = std::copy(mant.begin() + 1, mant.begin() + count, out);
    }
    *out++ = 'E';
    *out++ = power < 0 ? '-' : '+';
    const int magnitude = std::abs(power);
    if (magnitude < 10) *out++ = '0';
    return std::to_chars(out, out + 4, magnitude).ptr;
  }
  if (power < 0) {
    // A zero before the point of a number below 1.
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -power - 1, '0');
    return std::copy(mant.begin(), mant.begin() + count, out);
  }
  const int integerDigits = power + 1;
  for (int i = 0; i < integerDigits; ++i) {
    *out++ = i < count ? mant[static_cast<std::size_t>(i)] : '0';
  }
  if (count > integerDigits) {
    *out++ = '.';
    out = std::copy(mant.begin() + integerDigits, mant.begin() + count, out);
  }
  return out;
}

char* WriteNumber(char* out, double value, int significantDigits) {
  if (value == 0) {
    *out++ = '0';
    return out;
  }
  if (!std::isfinite(value)) {
    const std::string_view word = std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    return std::copy(word.begin(), word.end(), out);
  }
  return WriteRounded(out, value, std::clamp(significantDigits, 1, kMaxSignificantDigits));
}

char* WriteOffset(char* out, int offset) { return std::to_chars(out, out + 12, offset).ptr; }

// The three fields of a row, formatted into buffers of its own.
class FormattedRow {
 public:
  explicit FormattedRow(const ResultRow& row);
  std::string_view distance() const { return {distance_.data(), distanceLength_}; }
  std::string_view offset() const { return {offset_.data(), offsetLength_}; }
  std::string_view value() const { return {value_.data(), valueLength_}; }

 private:
  std::array<char, kNumberRoom> distance_{};
  std::array<char, kNumberRoom> offset_{};
  std::array<char, kNumberRoom> value_{};
  std::size_t distanceLength_ = 0;
  std::size_t offsetLength_ = 0;
  std::size_t valueLength_ = 0;
};

FormattedRow::FormattedRow(const ResultRow& row) {
  distanceLength_ = static_cast<std::size_t>(
      WriteNumber(distance_.data(), row.distance, kDistanceDigits) - distance_.data());
  offsetLength_ =
      static_cast<std::size_t>(WriteOffset(offset_.data(), row.offset) - offset_.data());
  valueLength_ =
      static_cast<std::size_t>(WriteNumber(value_.data(), row.value, kValueDigits) - value_.data());
}

std::string FileLine(const FormattedRow& row) {
  std::string line;
  line.reserve(row.distance().size() + row.offset().size() + row.value().size() + 4);
  line.append(row.distance()).append(",").append(row.offset()).append(",");
  return line.append(row.value()).append("\r\n");
}

std::string ListText(const FormattedRow& row, std::string_view decimalSeparator) {
  std::string text;
  text.reserve(row.distance().size() + row.offset().size() + row.value().size() + 8);
  text.append(" ").append(row.distance()).append("\t ").append(row.offset()).append("\t");
  // Only the value's decimal point follows the user's locale.
  const std::string_view value = row.value();
  const std::size_t point = value.find('.');
  if (point == std::string_view::npos) return text.append(value);
  return text.append(value.substr(0, point))
      .append(decimalSeparator)
      .append(value.substr(point + 1));
}

}  // namespace

std::string FormatNumber(double value, int significantDigits) {
  std::array<char, kNumberRoom> buf{};
  return std::string(buf.data(), WriteNumber(buf.data(), value, significantDigits));
}

std::string FormatValue(float value) { return FormatNumber(value, kValueDigits); }

std::string FileRowLine(const ResultRow& row) { return FileLine(FormattedRow(row)); }

std::string ListRowText(const ResultRow& row, std::string_view decimalSeparator) {
  return ListText(FormattedRow(row), decimalSeparator);
}

}  // namespace calc
