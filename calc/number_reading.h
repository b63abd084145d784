#pragma once
#include <string_view>

namespace calc {

// The leading number of a typed text: blanks, tabs and line feeds are
// skipped wherever they stand; an optional sign, digits with at most one
// period, an optional E or D exponent; &H hexadecimal and &O octal integers.
// A text that does not begin with a number reads 0. The period is the
// decimal separator whatever the process locale.
struct NumberReading {
  double value = 0;
  // The number lies beyond the range of a double; value is then the
  // infinity of its sign. A number too small for a double reads 0.
  bool outOfRange = false;
};
NumberReading ReadNumber(std::string_view utf8Text);

}  // namespace calc
