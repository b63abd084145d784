// Any text a user can type or paste is read without a crash, a hang or
// undefined behaviour, and the reading obeys its own rule: never NaN, finite
// unless flagged out of range, and blanks, tabs and line feeds change nothing wherever they stand.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/number_reading.h"

namespace {

bool SameReading(const calc::NumberReading& a, const calc::NumberReading& b) {
  return a.outOfRange == b.outOfRange &&
         (a.outOfRange || std::memcmp(&a.value, &b.value, sizeof a.value) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const calc::NumberReading reading = calc::ReadNumber(text);
  // Beyond the range of a double the reading says so; otherwise it is finite.
  if (!reading.outOfRange && !std::isfinite(reading.value)) std::abort();

  // A blank in front and a tab after the first character do not matter.
  std::string padded = " " + std::string(text);
  if (!SameReading(reading, calc::ReadNumber(padded))) std::abort();
  if (size > 0) {
    padded.insert(2, "\t");
    if (!SameReading(reading, calc::ReadNumber(padded))) std::abort();
  }
  return 0;
}
