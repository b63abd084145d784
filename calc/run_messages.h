#pragma once
// The causes of the message boxes a run shows, in the run's terms; the
// words a user reads are calc/user_messages.h's.
#include <optional>
#include <variant>

#include "calc/arithmetic_fault.h"
#include "calc/input_check.h"

namespace calc {

struct RefusedField {  // the first field the check refused
  InputField field;
  bool operator==(const RefusedField&) const = default;
};
struct Completion {  // the grid is written and the file closed
  bool operator==(const Completion&) const = default;
};
struct FileFault {  // the results file was not created, or did not take all its bytes
  enum class Step { Create, Write };
  Step step;
  std::optional<int> systemError;  // errno, when the system gave one
  bool operator==(const FileFault&) const = default;
};
struct ArithmeticStop {  // a grid point's arithmetic faulted
  ArithmeticFault fault;
  int rowsWritten;
  bool operator==(const ArithmeticStop&) const = default;
};
using RunMessage = std::variant<RefusedField, Completion, FileFault, ArithmeticStop>;

}  // namespace calc
