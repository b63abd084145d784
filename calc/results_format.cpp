#include "calc/results_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string_view>

namespace calc {
namespace {

constexpr int kMaxSignificantDigits = 17;  // enough to tell any two doubles apart
constexpr int kDistanceDigits = 15;
constexpr int kValueDigits = 7;

constexpr std::size_t kNumberRoom = FormattedRow::kNumberRoom;
constexpr std::size_t kOffsetRoom = 16;  // any int

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

char* WriteOffset(char* out, int offset) {
  return std::to_chars(out, out + kOffsetRoom, offset).ptr;
}

}  // namespace

std::string FormatNumber(double value, int significantDigits) {
  std::array<char, kNumberRoom> buf{};
  return std::string(buf.data(), WriteNumber(buf.data(), value, significantDigits));
}

std::string FormatValue(float value) { return FormatNumber(value, kValueDigits); }

FormattedRow::FormattedRow(const ResultRow& row) {
  char* const start = line_.data();
  char* out = WriteNumber(start, row.distance, kDistanceDigits);
  distanceEnd_ = static_cast<std::uint8_t>(out - start);
  *out++ = ',';
  out = WriteOffset(out, row.offset);
  offsetEnd_ = static_cast<std::uint8_t>(out - start);
  *out++ = ',';
  out = WriteNumber(out, row.value, kValueDigits);
  valueEnd_ = static_cast<std::uint8_t>(out - start);
  valuePoint_ = static_cast<std::uint8_t>(std::find(start + offsetEnd_ + 1, out, '.') - start);
  out = std::copy_n("\r\n", 2, out);
  lineEnd_ = static_cast<std::uint8_t>(out - start);
  // The list's row moves each number as a block of its room; past the line
  // those blocks read these bytes, which they then leave behind.
  std::memset(out, 0, kNumberRoom);
}

void FormattedRow::appendListRow(std::string& list, std::string_view decimalSeparator) const {
  // Built in place up to the value's point and appended in one piece. Each
  // number is moved as a block of a fixed size, which needs no call, and the
  // next piece overwrites what the block carried past the number's end.
  std::array<char, kLineRoom> row;
  char* out = row.data();
  *out++ = ' ';
  std::memcpy(out, line_.data(), kNumberRoom);
  out += distanceEnd_;
  *out++ = '\t';
  *out++ = ' ';
  std::memcpy(out, line_.data() + distanceEnd_ + 1, kOffsetRoom);
  out += offsetEnd_ - distanceEnd_ - 1;
  *out++ = '\t';
  // Only the value's decimal point follows the user's locale.
  std::memcpy(out, line_.data() + offsetEnd_ + 1, kNumberRoom);
  out += valuePoint_ - offsetEnd_ - 1;
  if (valuePoint_ == valueEnd_) {
    *out++ = '\n';
    list.append(row.data(), static_cast<std::size_t>(out - row.data()));
    return;
  }
  list.append(row.data(), static_cast<std::size_t>(out - row.data())).append(decimalSeparator);
  list.append(line_.data() + valuePoint_ + 1, valueEnd_ - valuePoint_ - 1u) += '\n';
}

}  // namespace calc
