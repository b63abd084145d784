#include "calc/number_reading.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace calc {
namespace {

// Significant decimal digits kept. A number halfway between two doubles has
// fewer than 770 significant digits, so a text truncated here, with a final 1
// standing for whatever non-zero digits were dropped, rounds the same way.
constexpr std::size_t kKeptDecimalDigits = 800;
// An exponent beyond this is beyond any double anyway; reading stops growing it.
constexpr std::int64_t kExponentCap = 1'000'000'000;
// A decimal number whose first digit stands at 10^E with E above this
// overflows; with E below the other it rounds to 0.
constexpr std::int64_t kHighestPower = 310;
constexpr std::int64_t kLowestPower = -330;
// Hexadecimal digits (leading zeros left out) past which an integer surely
// exceeds the largest double (2^1024), and the same for octal digits.
constexpr std::size_t kMaxHexDigits = 260;
constexpr std::size_t kMaxOctalDigits = 350;

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
constexpr bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }
constexpr bool IsHexDigit(char c) {
  return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Walks a typed text one character at a time, stepping over blanks, tabs
// and line feeds wherever they stand. Past the end it shows '\0'.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipBlanks(); }
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void Advance() {
    ++pos_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  std::size_t pos_ = 0;
};

NumberReading Overflow(bool negative) {
  const double inf = std::numeric_limits<double>::infinity();
  return {negative ? -inf : inf, true};
}

// The digits of a decimal number, as value = 0.digits x 10^power.
struct Significand {
  std::string digits;  // no leading zero, at most kKeptDecimalDigits
  bool droppedNonZero = false;
  std::int64_t power = 0;
  bool anyDigit = false;  // a zero counts: "0" is a number, "." is not

  void Add(char digit, bool beforePoint) {
    anyDigit = true;
    if (digits.empty() && digit == '0') {
      if (!beforePoint) --power;
      return;
    }
    if (beforePoint) ++power;
    if (digits.size() < kKeptDecimalDigits) {
      digits.push_back(digit);
    } else if (digit != '0') {
      droppedNonZero = true;
    }
  }
};

Significand ReadMantissa(Cursor& cursor) {
  Significand s;
  bool beforePoint = true;
  for (char c = cursor.Peek();; c = cursor.Peek()) {
    if (IsDecimalDigit(c)) {
      s.Add(c, beforePoint);
    } else if (c == '.' && beforePoint) {
      beforePoint = false;
    } else {
      return s;
    }
    cursor.Advance();
  }
}

std::int64_t ReadExponentDigits(Cursor& cursor) {
  std::int64_t e = 0;
  for (char c = cursor.Peek(); IsDecimalDigit(c); c = cursor.Peek()) {
    if (e < kExponentCap) e = e * 10 + (c - '0');
    cursor.Advance();
  }
  return e;
}

// The exponent after the mantissa: E or D in either case, an optional sign
// and digits. A letter not followed by digits is not part of the number.
std::int64_t ReadExponent(Cursor& cursor) {
  const char letter = cursor.Peek();
  if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return 0;
  Cursor ahead = cursor;
  ahead.Advance();
  bool negative = false;
  if (ahead.Peek() == '+' || ahead.Peek() == '-') {
    negative = ahead.Peek() == '-';
    ahead.Advance();
  }
  if (!IsDecimalDigit(ahead.Peek())) return 0;
  const std::int64_t e = ReadExponentDigits(ahead);
  cursor = ahead;
  return negative ? -e : e;
}

NumberReading DecimalValue(bool negative, const Significand& s, std::int64_t exponent) {
  if (s.digits.empty()) return {};
  const std::int64_t power = s.power + exponent;
  if (power > kHighestPower) return Overflow(negative);
  if (power < kLowestPower) return {};
  std::string text = negative ? "-" : "";
  text += s.digits;
  if (s.droppedNonZero) text += '1';
  const auto digitCount = static_cast<std::int64_t>(text.size()) - (negative ? 1 : 0);
  text += 'e';
  text += std::to_string(power - digitCount);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) return power > 0 ? Overflow(negative) : NumberReading{};
  if (ec != std::errc()) return {};
  return {value, false};
}

NumberReading ReadDecimal(Cursor& cursor) {
  bool negative = false;
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    negative = cursor.Peek() == '-';
    cursor.Advance();
  }
  const Significand s = ReadMantissa(cursor);
  if (!s.anyDigit) return {};
  return DecimalValue(negative, s, ReadExponent(cursor));
}

// The digits of an integer after its prefix, leading zeros left out. Only
// the first `cap` are kept; `tooLong` tells that there were more.
struct IntegerDigits {
  std::string digits;
  bool tooLong = false;
};

IntegerDigits CollectDigits(Cursor& cursor, bool (*isDigit)(char), std::size_t cap) {
  IntegerDigits result;
  for (char c = cursor.Peek(); isDigit(c); c = cursor.Peek()) {
    if (result.digits.size() >= cap) {
      result.tooLong = true;
    } else if (!result.digits.empty() || c != '0') {
      result.digits.push_back(c);
    }
    cursor.Advance();
  }
  return result;
}

// Octal digits rewritten as hexadecimal ones: three bits each, regrouped by four.
std::string OctalToHex(const std::string& octal) {
  std::string bits;
  for (char d : octal) {
    const int v = d - '0';
    for (int shift = 2; shift >= 0; --shift) bits.push_back(((v >> shift) & 1) ? '1' : '0');
  }
  bits.insert(0, (4 - bits.size() % 4) % 4, '0');
  std::string hex;
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    int v = 0;
    for (std::size_t j = i; j < i + 4; ++j) v = v * 2 + (bits[j] - '0');
    hex.push_back("0123456789ABCDEF"[v]);
  }
  return hex;
}

// A non-negative integer written in hexadecimal digits, rounded to the
// nearest double.
NumberReading HexIntegerValue(const std::string& hex) {
  if (hex.empty()) return {};
  double value = 0;
  const auto [end, ec] =
      std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
  (void)end;
  if (ec == std::errc::result_out_of_range) return Overflow(false);
  if (ec != std::errc()) return {};
  return {value, false};
}

// After '&': H for a hexadecimal integer, O for an octal one.
NumberReading ReadPrefixedInteger(Cursor& cursor) {
  cursor.Advance();
  const char letter = cursor.Peek();
  const bool hex = letter == 'H' || letter == 'h';
  if (!hex && letter != 'O' && letter != 'o') return {};
  cursor.Advance();
  const IntegerDigits d = hex ? CollectDigits(cursor, IsHexDigit, kMaxHexDigits)
                              : CollectDigits(cursor, IsOctalDigit, kMaxOctalDigits);
  if (d.tooLong) return Overflow(false);
  return HexIntegerValue(hex ? d.digits : OctalToHex(d.digits));
}

}  // namespace

NumberReading ReadNumber(std::string_view utf8Text) {
  Cursor cursor(utf8Text);
  if (cursor.Peek() == '&') return ReadPrefixedInteger(cursor);
  return ReadDecimal(cursor);
}

}  // namespace calc
