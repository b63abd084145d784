#include "calc/results_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>

namespace calc {
namespace {

constexpr int kMaxSignificantDigits = 17;  // enough to tell any two doubles apart
constexpr int kDistanceDigits = 15;
constexpr int kValueDigits = 7;

constexpr std::size_t kNumberRoom = NumberText::kRoom;

// 10^(N-1) for N = 1 to 17: a number below it rounded to N digits keeps the
// fixed form.
constexpr double kFixedFormLimit[] = {1e0, 1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7, 1e8,
                                      1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};
static_assert(std::size(kFixedFormLimit) == kMaxSignificantDigits);

// Writes a finite non-zero number rounded to N significant digits at `out`
// and returns the end: the exact binary value rounded once (ties to even),
// trailing zeros and a bare point dropped, exponent form once it needs more
// than N integer digits or lies below 10^-4, the exponent of at least two
// digits; printf's %.NG in the C locale, whatever the process locale.
// Everything stays in the caller's buffer: a 20 km run formats some 3600
// numbers and each heap allocation would show.
char* WriteRounded(char* out, double value, int digits) {
  char* const end =
      std::to_chars(out, out + kNumberRoom, value, std::chars_format::general, digits).ptr;
  // Only the exponent form has a letter, E in capitals; every row's number
  // but an absurd value has the fixed form, known without reading it back.
  const double magnitude = std::fabs(value);
  if (magnitude >= 1e-4 && magnitude < kFixedFormLimit[digits - 1]) return end;
  for (char* e = end - 1; e >= out && e >= end - 5; --e) {
    if (*e == 'e') *e = 'E';
  }
  return end;
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

// Copies a number's text and returns the end.
char* Put(char* out, std::string_view text) { return std::copy(text.begin(), text.end(), out); }

}  // namespace

std::string FormatNumber(double value, int significantDigits) {
  std::array<char, kNumberRoom> buf{};
  return std::string(buf.data(), WriteNumber(buf.data(), value, significantDigits));
}

std::string FormatValue(float value) { return FormatNumber(value, kValueDigits); }

NumberText NumberText::Distance(Metres distance) {
  NumberText number;
  number.size_ = static_cast<std::uint8_t>(
      WriteNumber(number.text_.data(), distance, kDistanceDigits) - number.text_.data());
  return number;
}

NumberText NumberText::Offset(int offset) {
  NumberText number;
  const char* const end =
      std::to_chars(number.text_.data(), number.text_.data() + kRoom, offset).ptr;
  number.size_ = static_cast<std::uint8_t>(end - number.text_.data());
  return number;
}

FormattedRow::FormattedRow(const NumberText& distance, const NumberText& offset, float value) {
  char* const start = line_.data();
  char* out = Put(start, distance.text());
  distanceEnd_ = static_cast<std::uint8_t>(out - start);
  *out++ = ',';
  out = Put(out, offset.text());
  offsetEnd_ = static_cast<std::uint8_t>(out - start);
  *out++ = ',';
  out = WriteNumber(out, value, kValueDigits);
  valueEnd_ = static_cast<std::uint8_t>(out - start);
  valuePoint_ = static_cast<std::uint8_t>(std::find(start + offsetEnd_ + 1, out, '.') - start);
  out = std::copy_n("\r\n", 2, out);
  lineEnd_ = static_cast<std::uint8_t>(out - start);
}

FormattedRow::FormattedRow(const ResultRow& row)
    : FormattedRow(NumberText::Distance(row.distance), NumberText::Offset(row.offset), row.value) {}

void FormattedRow::appendListRow(std::string& list, std::string_view decimalSeparator) const {
  const char* const line = line_.data();
  const std::string_view distance(line, distanceEnd_);
  const std::string_view offset(line + distanceEnd_ + 1, offsetEnd_ - distanceEnd_ - 1u);
  const std::string_view beforePoint(line + offsetEnd_ + 1, valuePoint_ - offsetEnd_ - 1u);
  // Only the value's decimal point follows the user's locale.
  const bool point = valuePoint_ != valueEnd_;
  const std::string_view separator = point ? decimalSeparator : std::string_view();
  const std::string_view afterPoint =
      point ? std::string_view(line + valuePoint_ + 1, valueEnd_ - valuePoint_ - 1u)
            : std::string_view();
  // The row grows the list once, by its size (the texts, two spaces, two
  // tabs and the line feed): an append for each of its short pieces would
  // cost more than their bytes.
  const std::size_t start = list.size();
  list.resize(start + distance.size() + offset.size() + beforePoint.size() + separator.size() +
              afterPoint.size() + 5);
  char* out = list.data() + start;
  *out++ = ' ';
  out = Put(out, distance);
  *out++ = '\t';
  *out++ = ' ';
  out = Put(out, offset);
  *out++ = '\t';
  out = Put(out, beforePoint);
  out = Put(out, separator);
  out = Put(out, afterPoint);
  *out = '\n';
}

}  // namespace calc
