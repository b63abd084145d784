#pragma once
#include <string_view>

namespace calc {

// A floating-point event that stops a run at the grid point where it occurs.
enum class ArithmeticFault { None, Overflow, DivisionByZero, InvalidOperation };

// The Turkish wording of the fault for the report to the user.
std::string_view FaultName(ArithmeticFault fault);

}  // namespace calc
