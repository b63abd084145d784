#include "calc/calculation_run.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>
#include <variant>

#include "calc/concentration.h"
#include "calc/results_format.h"
#include "calc/rural_spread.h"
#include "calc/urban_spread.h"

namespace calc {
namespace {

constexpr Kilometres kFirstDistance = 0.1;
constexpr Kilometres kDistanceStep = 0.1;
// The lateral offsets in metres, on one side of the plume axis.
constexpr int kOffsets[] = {0, 100, 200, 300, 400, 500};

// Each row is formatted once: its line goes to the file, and only once the
// file has taken it does its text join the list, so the list never holds a
// row the file lacks.
class FileSink final : public RowSink {
 public:
  FileSink(ResultsFile& file, std::string_view decimalSeparator, std::string& listRows)
      : file_(file), decimalSeparator_(decimalSeparator), listRows_(listRows) {}

  bool accept(const FormattedRow& text) override {
    if (!file_.write(text.fileLine())) return false;
    text.appendListRow(listRows_, decimalSeparator_);
    return true;
  }

 private:
  ResultsFile& file_;
  std::string_view decimalSeparator_;
  std::string& listRows_;
};

}  // namespace

GridOutcome WalkGrid(const PlumeInputs& inputs, RowSink& sink) {
  GridOutcome outcome;
  const StabilityClass cls = inputs.stabilityClass;
  // The offsets' texts are the same at every distance.
  std::array<NumberText, std::size(kOffsets)> offsetTexts;
  std::ranges::transform(kOffsets, offsetTexts.begin(), NumberText::Offset);
  // The distance is accumulated, never recomputed as k * 0.1: the third one
  // is 0.30000000000000004 and a 20 km run ends at 19.9 km after 199 steps.
  for (Kilometres X = kFirstDistance; X <= inputs.maxDistance; X += kDistanceStep) {
    // The spread, the concentration's terms it gives and the distance's text
    // depend on the distance alone: once for its six offsets. A fault in
    // those terms is each row's, so it stops the run at the first.
    const SpreadParameters spread =
        inputs.areaType == AreaType::Urban ? UrbanSpread(cls, X) : RuralSpread(cls, X);
    const DistanceTerms terms = TermsAtDistance(inputs, spread);
    const NumberText distance = NumberText::Distance(X * 1000);
    for (std::size_t i = 0; i < std::size(kOffsets); ++i) {
      const int Y = kOffsets[i];
      const Concentration c = ConcentrationAtOffset(terms, Y);
      if (c.fault != ArithmeticFault::None) {
        outcome.fault = c.fault;
        return outcome;
      }
      const ReportedValue reported = ReportConcentration(c.value);
      if (reported.fault != ArithmeticFault::None) {
        outcome.fault = reported.fault;
        return outcome;
      }
      if (!sink.accept(FormattedRow(distance, offsetTexts[i], reported.value))) {
        outcome.stoppedBySink = true;
        return outcome;
      }
      ++outcome.rows;
    }
  }
  return outcome;
}

int RunReport::rowCount() const { return static_cast<int>(std::ranges::count(rows, '\n')); }

RunReport RunCalculation(const InputTexts& texts, StabilityClass cls, AreaType area,
                         std::string_view decimalSeparator,
                         const std::filesystem::path& resultsPath) {
  using enum FileFault::Step;
  RunReport report;
  const auto fault = [&report](RunMessage cause) {
    report.outcome = RunOutcome::Faulted;
    report.messages.push_back(std::move(cause));
    return std::move(report);  // the rows the file took, not copied
  };
  // Every click rewrites the results file before anything is checked, so a
  // refused run leaves the 16-byte header alone and the old results are gone.
  ResultsFile file;
  if (!file.open(resultsPath)) return fault(FileFault{Create, file.error()});
  if (!file.write(kFileHeaderLine) || !file.flush()) {
    file.close();
    return fault(FileFault{Write, file.error()});
  }

  const CheckedInputs checked = CheckInputs(texts, cls, area);
  if (const auto* refused = std::get_if<InputField>(&checked)) {
    report.list = ListChange::HeaderOnly;
    report.messages.push_back(RefusedField{*refused});
    if (!file.close()) return fault(FileFault{Write, file.error()});
    report.outcome = RunOutcome::Refused;
    return report;
  }

  report.list = ListChange::HeaderAndRows;
  const PlumeInputs& inputs = std::get<PlumeInputs>(checked);
  FileSink sink(file, decimalSeparator, report.rows);
  const GridOutcome grid = WalkGrid(inputs, sink);
  const bool closed = file.close();

  if (grid.fault != ArithmeticFault::None) return fault(ArithmeticStop{grid.fault, grid.rows});
  if (grid.stoppedBySink || !closed) return fault(FileFault{Write, file.error()});

  report.outcome = RunOutcome::Completed;
  report.messages.push_back(Completion{});
  return report;
}

}  // namespace calc
