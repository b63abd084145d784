#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/types.h"

namespace calc {

// "X","Y","Disp" and CR LF: the 16 bytes that open every results file.
inline constexpr std::string_view kFileHeaderLine = "\"X\",\"Y\",\"Disp\"\r\n";
// X, tab, Y, tab, Disp: the first row of the results list.
inline constexpr std::string_view kListHeaderRow = "X\tY\tDisp";

// A number rounded to at most `significantDigits` (1 to 17) significant
// digits of its exact binary value (ties to even), trailing zeros and a bare
// point dropped, exponent form ("1.234568E+07") once it needs more integer
// digits than that, or below 0.0001 ("1E-05"); "0.37" below 1, and 0 (of
// either sign) as "0". Always a period, whatever the process locale.
std::string FormatNumber(double value, int significantDigits);

std::string FormatValue(float value);  // 7 significant digits

// The text of a number that many rows share, formatted once: a distance's
// for its six rows, an offset's for every distance.
class NumberText {
 public:
  static constexpr std::size_t kRoom = 32;  // any number at 17 digits, sign and exponent included

  static NumberText Distance(Metres distance);  // 15 significant digits
  static NumberText Offset(int offset);

  std::string_view text() const { return {text_.data(), size_}; }

 private:
  std::array<char, kRoom> text_;
  std::uint8_t size_ = 0;
};

// One row's three numbers, each formatted once with a period: the file's
// line and the list's row are both built from them.
class FormattedRow {
 public:
  // Only the value is formatted here; the distance and the offset come as
  // their shared texts.
  FormattedRow(const NumberText& distance, const NumberText& offset, float value);
  explicit FormattedRow(const ResultRow& row);

  // "distance,offset,value" followed by CR LF.
  std::string_view fileLine() const { return {line_.data(), lineEnd_}; }

  // Appends the list's row and a line feed: " distance", tab, " offset",
  // tab, value, with the value's period replaced by the caller's decimal
  // separator (the user's locale).
  void appendListRow(std::string& list, std::string_view decimalSeparator) const;

 private:
  // The file's line: three numbers, two commas, CR LF.
  std::array<char, 3 * NumberText::kRoom + 4> line_;
  // Where the numbers end in it, the value's decimal point (or its end) and the line's end.
  std::uint8_t distanceEnd_ = 0;
  std::uint8_t offsetEnd_ = 0;
  std::uint8_t valueEnd_ = 0;
  std::uint8_t valuePoint_ = 0;
  std::uint8_t lineEnd_ = 0;
};

}  // namespace calc
