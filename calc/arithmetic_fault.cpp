#include "calc/arithmetic_fault.h"

namespace calc {

std::string_view FaultName(ArithmeticFault fault) {
  switch (fault) {
    case ArithmeticFault::None:
      return "hata yok (no fault)";
    case ArithmeticFault::Overflow:
      return "taşma (overflow)";
    case ArithmeticFault::DivisionByZero:
      return "sıfıra bölme (division by zero)";
    case ArithmeticFault::InvalidOperation:
      return "geçersiz işlem (invalid operation)";
  }
  return "bilinmeyen hata (unknown fault)";
}

}  // namespace calc
