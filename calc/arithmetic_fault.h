#pragma once

namespace calc {

// A floating-point event that stops a run at the grid point where it occurs.
enum class ArithmeticFault { None, Overflow, DivisionByZero, InvalidOperation };

}  // namespace calc
