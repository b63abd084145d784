#pragma once
#include <array>
#include <cstddef>
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

std::string FormatDistance(double metres);  // 15 significant digits
std::string FormatValue(float value);       // 7 significant digits

// The three fields of a row written once, for both the file and the list.
class FormattedRow {
 public:
  explicit FormattedRow(const ResultRow& row);
  std::string_view distance() const { return {distance_.data(), distanceLength_}; }
  std::string_view offset() const { return {offset_.data(), offsetLength_}; }
  std::string_view value() const { return {value_.data(), valueLength_}; }

 private:
  static constexpr std::size_t kRoom = 32;  // any number at 17 digits, sign and exponent
  std::array<char, kRoom> distance_{};
  std::array<char, kRoom> offset_{};
  std::array<char, kRoom> value_{};
  std::size_t distanceLength_ = 0;
  std::size_t offsetLength_ = 0;
  std::size_t valueLength_ = 0;
};

// "distance,offset,value" followed by CR LF.
std::string FileRowLine(const FormattedRow& row);
std::string FileRowLine(const ResultRow& row);

// " distance", tab, " offset", tab, value, with the value's period replaced
// by the caller's decimal separator (the user's locale).
std::string ListRowText(const FormattedRow& row, std::string_view decimalSeparator);
std::string ListRowText(const ResultRow& row, std::string_view decimalSeparator);

}  // namespace calc
