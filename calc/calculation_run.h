#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "calc/arithmetic_fault.h"
#include "calc/input_check.h"
#include "calc/results_file.h"
#include "calc/types.h"

namespace calc {

inline constexpr std::string_view kRefusalTitle = "HATA";
inline constexpr std::string_view kCompletionTitle = "IS TAMAM";
inline constexpr std::string_view kCompletionMessage =
    "Hesaplama Sonucu YELDUMAN.TXT dosyasina yazdirildi";
inline constexpr std::string_view kFaultTitle = "HATA";

// What a run needs from the windows. The run calls these in the order of
// its steps; every message call returns once the user has dismissed it.
class RunView {
 public:
  virtual ~RunView() = default;
  // Empties the results list (creating its window, hidden, if needed) and
  // adds the header row.
  virtual void prepareList(std::string_view headerRow) = 0;
  virtual void addRow(std::string_view rowText) = 0;
  virtual void showRefusal(std::string_view message) = 0;     // title "HATA"
  virtual void showCompletion(std::string_view message) = 0;  // title "IS TAMAM"
  virtual void reportFault(std::string_view message) = 0;
  // Shows the results window, or brings it to the front.
  virtual void showResults() = 0;
  // The user's decimal separator for the list's value column.
  virtual std::string decimalSeparator() const = 0;
};

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

// One click of HESAPLA: rewrite the results file and its header, prepare the
// list, check the texts, walk the grid, close the file, then tell the user.
RunOutcome RunCalculation(const InputTexts& texts, StabilityClass cls, AreaType area, RunView& view,
                          const std::filesystem::path& resultsPath = kResultsFileName);

}  // namespace calc
