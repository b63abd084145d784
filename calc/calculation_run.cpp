#include "calc/calculation_run.h"

#include <string>
#include <utility>

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

// A row reaches the report only once the file has taken it, so the list
// never holds a row the file lacks.
class FileSink final : public RowSink {
 public:
  FileSink(ResultsFile& file, std::vector<ResultRow>& rows) : file_(file), rows_(rows) {}

  bool accept(const ResultRow& row) override {
    if (!file_.write(FileRowLine(row))) return false;
    rows_.push_back(row);
    return true;
  }

 private:
  ResultsFile& file_;
  std::vector<ResultRow>& rows_;
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

RunReport RunCalculation(const InputTexts& texts, StabilityClass cls, AreaType area,
                         const std::filesystem::path& resultsPath) {
  using Kind = RunMessage::Kind;
  RunReport report;
  const auto fault = [&report](std::string text) {
    report.outcome = RunOutcome::Faulted;
    report.messages.push_back({Kind::Fault, std::move(text)});
    return std::move(report);  // the rows the file took, not copied
  };
  // Every click rewrites the results file before anything is checked, so a
  // refused run leaves the 16-byte header alone and the old results are gone.
  ResultsFile file;
  if (!file.open(resultsPath)) return fault(FileFault(" oluşturulamadı.", file));
  if (!file.write(kFileHeaderLine) || !file.flush()) {
    file.close();
    return fault(FileFault(" yazılamadı.", file));
  }

  if (const auto refused = CheckInputs(texts)) {
    report.list = ListChange::HeaderOnly;
    report.messages.push_back({Kind::Refusal, std::string(RefusalMessage(*refused))});
    if (!file.close()) return fault(FileFault(" yazılamadı.", file));
    report.outcome = RunOutcome::Refused;
    return report;
  }

  report.list = ListChange::HeaderAndRows;
  const PlumeInputs inputs = ReadInputs(texts, cls, area);
  FileSink sink(file, report.rows);
  const GridOutcome grid = WalkGrid(inputs, sink);
  const bool closed = file.close();

  if (grid.fault != ArithmeticFault::None)
    return fault(ArithmeticFaultReport(grid.fault, grid.rows));
  if (grid.stoppedBySink || !closed) return fault(FileFault(" yazılamadı.", file));

  report.outcome = RunOutcome::Completed;
  report.messages.push_back({Kind::Completion, std::string(kCompletionMessage)});
  return report;
}

}  // namespace calc
