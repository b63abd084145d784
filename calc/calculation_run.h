#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calc/arithmetic_fault.h"
#include "calc/input_check.h"
#include "calc/results_file.h"
#include "calc/types.h"

namespace calc {

inline constexpr std::string_view kCompletionMessage =
    "Hesaplama Sonucu YELDUMAN.TXT dosyasina yazdirildi";

// Receives the rows of a grid walk; returning false stops the walk.
class RowSink {
 public:
  virtual ~RowSink() = default;
  virtual bool accept(const ResultRow& row) = 0;
};

struct GridOutcome {
  int rows = 0;
  ArithmeticFault fault = ArithmeticFault::None;
  bool stoppedBySink = false;
};

// Walks the grid: X from 0.1 km, accumulated by += 0.1 while X <= Xmax;
// Y = 0, 100, ..., 500 m at every X.
GridOutcome WalkGrid(const PlumeInputs& inputs, RowSink& sink);

enum class RunOutcome { Completed, Refused, Faulted };

// A message box for the user: a refused field, the completion, or a fault
// that stopped the run.
struct RunMessage {
  enum class Kind { Refusal, Completion, Fault };
  Kind kind;
  std::string text;
  bool operator==(const RunMessage&) const = default;
};

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
  std::vector<ResultRow> rows;
  std::vector<RunMessage> messages;  // a refusal can be followed by a failed close
};

// One click of HESAPLA: rewrite the results file and its header, check the
// texts, walk the grid and close the file, all before anything is shown.
RunReport RunCalculation(const InputTexts& texts, StabilityClass cls, AreaType area,
                         const std::filesystem::path& resultsPath = kResultsFileName);

}  // namespace calc
