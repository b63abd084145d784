#pragma once
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

// "distance,offset,value" followed by CR LF.
std::string FileRowLine(const ResultRow& row);

// " distance", tab, " offset", tab, value, with the value's period replaced
// by the caller's decimal separator (the user's locale).
std::string ListRowText(const ResultRow& row, std::string_view decimalSeparator);

}  // namespace calc
