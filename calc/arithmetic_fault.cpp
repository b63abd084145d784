#include "calc/arithmetic_fault.h"

namespace calc {

std::string_view FaultName(ArithmeticFault fault) {
  switch (fault) {
    case ArithmeticFault::None: return "hata yok";
    case ArithmeticFault::Overflow: return "sayı taşması";
    case ArithmeticFault::DivisionByZero: return "sıfıra bölme";
    case ArithmeticFault::InvalidOperation: return "geçersiz işlem";
  }
  return "bilinmeyen hata";
}

}  // namespace calc
