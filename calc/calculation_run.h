#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calc/arithmetic_fault.h"
#include "calc/input_check.h"
#include "calc/results_file.h"
#include "calc/results_format.h"
#include "calc/run_messages.h"
#include "calc/types.h"

namespace calc {

// Receives the rows of a grid walk, each formatted once for the file's line
// and the list's row; returning false stops the walk.
class RowSink {
 public:
  virtual ~RowSink() = default;
  virtual bool accept(const FormattedRow& row) = 0;
};

struct GridOutcome {
  int rows = 0;
  ArithmeticFault fault = ArithmeticFault::None;
  bool stoppedBySink = false;
};

// Walks the grid: X from 0.1 km, accumulated by += 0.1 while X <= Xmax;
// Y = 0, 100, ..., 500 m at every X. What depends on the distance alone
// (its spread, the terms of the concentration it gives, its text) is
// computed once for its six offsets.
GridOutcome WalkGrid(const PlumeInputs& inputs, RowSink& sink);

enum class RunOutcome { Completed, Refused, Faulted };

// What a run made of the results list.
enum class ListChange {
  Kept,           // the file could not be created or its header not written
  HeaderOnly,     // a refusal
  HeaderAndRows,  // the rows the file took: all of them, or those before a fault
};

// All a user sees of one run, for the windows to show in this order: the
// list, each message (the next once the last is dismissed), and on
// completion the results window.
struct RunReport {
  RunOutcome outcome = RunOutcome::Faulted;
  ListChange list = ListChange::Kept;
  // The list's data rows as the window shows them, each followed by a line
  // feed: the rows the file took, formatted once for both.
  std::string rows;
  std::vector<RunMessage> messages;  // a refusal can be followed by a failed close

  int rowCount() const;
};

// One click of HESAPLA: rewrite the results file and its header, check the
// texts, walk the grid and close the file, all before anything is shown.
// The list's values take `decimalSeparator`, the user's.
RunReport RunCalculation(const InputTexts& texts, StabilityClass cls, AreaType area,
                         std::string_view decimalSeparator,
                         const std::filesystem::path& resultsPath = kResultsFileName);

}  // namespace calc
