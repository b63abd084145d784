#include "calc/calculation_run.h"

#include <string>

#include "calc/concentration.h"
#include "calc/results_format.h"
#include "calc/rural_sigma_z.h"
#include "calc/rural_spread.h"
#include "calc/urban_spread.h"

namespace calc {
namespace {

constexpr Kilometres kFirstDistance = 0.1;
constexpr Kilometres kDistanceStep = 0.1;
constexpr int kOffsetStep = 100;  // metres
constexpr int kLastOffset = 500;  // metres, on one side of the plume axis

SpreadParameters SpreadAt(const PlumeInputs& in, Kilometres X) {
  if (in.areaType == AreaType::Urban) return UrbanSpread(in.stabilityClass, X);
  SpreadParameters spread;
  spread.sigmaY = RuralSigmaY(in.stabilityClass, X);
  spread.sigmaZ = RuralSigmaZ(in.stabilityClass, X);
  return spread;
}

std::string FileFault(std::string_view what, const ResultsFile& file) {
  std::string text = "Sonuç dosyası ";
  text += kResultsFileName;
  text += what;
  if (!file.error().empty()) {
    text += "\n(";
    text += file.error();
    text += ")";
  }
  return text;
}

std::string ArithmeticFaultReport(ArithmeticFault fault, int rowsWritten) {
  std::string text = "Hesaplama aritmetik hata nedeniyle durduruldu: ";
  text += FaultName(fault);
  text += ".\n";
  text += std::to_string(rowsWritten);
  text += " satır dosyaya yazıldı.";
  return text;
}

// Each row goes first to the file, then to the list, so the two always hold
// the same points in the same order.
class FileAndListSink final : public RowSink {
 public:
  FileAndListSink(ResultsFile& file, RunView& view)
      : file_(file), view_(view), separator_(view.decimalSeparator()) {}

  bool accept(const ResultRow& row) override {
    const FormattedRow text(row);
    if (!file_.write(FileRowLine(text))) return false;
    view_.addRow(ListRowText(text, separator_));
    return true;
  }

 private:
  ResultsFile& file_;
  RunView& view_;
  std::string separator_;
};

}  // namespace

GridOutcome WalkGrid(const PlumeInputs& inputs, RowSink& sink) {
  GridOutcome outcome;
  // The distance is accumulated, never recomputed as k * 0.1: the third one
  // is 0.30000000000000004 and a 20 km run ends at 19.9 km after 199 steps.
  for (Kilometres X = kFirstDistance; X <= inputs.maxDistance; X += kDistanceStep) {
    for (int Y = 0; Y <= kLastOffset; Y += kOffsetStep) {
      const SpreadParameters spread = SpreadAt(inputs, X);
      const Concentration c = GroundConcentration(inputs, spread, Y);
      if (c.fault != ArithmeticFault::None) {
        outcome.fault = c.fault;
        return outcome;
      }
      const ReportedValue reported = ReportConcentration(c.value);
      if (reported.fault != ArithmeticFault::None) {
        outcome.fault = reported.fault;
        return outcome;
      }
      if (!sink.accept(ResultRow{X * 1000, Y, reported.value})) {
        outcome.stoppedBySink = true;
        return outcome;
      }
      ++outcome.rows;
    }
  }
  return outcome;
}

RunOutcome RunCalculation(const InputTexts& texts, StabilityClass cls, AreaType area, RunView& view,
                          const std::filesystem::path& resultsPath) {
  // Every click rewrites the results file before anything is checked, so a
  // refused run leaves the 16-byte header alone and the old results are gone.
  ResultsFile file;
  if (!file.open(resultsPath)) {
    view.reportFault(FileFault(" oluşturulamadı.", file));
    return RunOutcome::Faulted;
  }
  if (!file.write(kFileHeaderLine) || !file.flush()) {
    file.close();
    view.reportFault(FileFault(" yazılamadı.", file));
    return RunOutcome::Faulted;
  }

  view.prepareList(kListHeaderRow);

  if (const auto refused = CheckInputs(texts)) {
    view.showRefusal(RefusalMessage(*refused));
    if (!file.close()) {
      view.reportFault(FileFault(" yazılamadı.", file));
      return RunOutcome::Faulted;
    }
    return RunOutcome::Refused;
  }

  const PlumeInputs inputs = ReadInputs(texts, cls, area);
  FileAndListSink sink(file, view);
  const GridOutcome grid = WalkGrid(inputs, sink);
  const bool closed = file.close();

  if (grid.fault != ArithmeticFault::None) {
    view.reportFault(ArithmeticFaultReport(grid.fault, grid.rows));
    return RunOutcome::Faulted;
  }
  if (grid.stoppedBySink || !closed) {
    view.reportFault(FileFault(" yazılamadı.", file));
    return RunOutcome::Faulted;
  }

  view.showCompletion(kCompletionMessage);
  view.showResults();
  return RunOutcome::Completed;
}

}  // namespace calc
