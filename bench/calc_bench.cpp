// A full 20 km run is 199 distances and 1194 rows. Targets on a 2-core
// machine: computation and formatting into memory at most 0.5 ms; the same
// with "yelduman.txt" written at most 1 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "calc/calculation_run.h"
#include "calc/results_format.h"

namespace {

using calc::AreaType;
using calc::StabilityClass;

// Keeps the file lines and list rows in memory, as the windows would.
class MemorySink final : public calc::RowSink {
 public:
  bool accept(const calc::ResultRow& row) override {
    const calc::FormattedRow text(row);
    fileBytes += calc::FileRowLine(text);
    listRows.push_back(calc::ListRowText(text, ","));
    return true;
  }
  std::string fileBytes;
  std::vector<std::string> listRows;
};

class NullView final : public calc::RunView {
 public:
  void prepareList(std::string_view) override { rows = 0; }
  void addRow(std::string_view row) override { rows += !row.empty(); }
  void showRefusal(std::string_view) override {}
  void showCompletion(std::string_view) override {}
  void reportFault(std::string_view) override {}
  void showResults() override {}
  std::string decimalSeparator() const override { return ","; }
  int rows = 0;
};

void GridIntoMemory(benchmark::State& state, StabilityClass cls, AreaType area) {
  calc::PlumeInputs in;
  in.maxDistance = 20;
  in.windSpeed = 5;
  in.stackHeight = 50;
  in.emissionRate = 1;
  in.stabilityClass = cls;
  in.areaType = area;
  for (auto _ : state) {
    MemorySink sink;
    sink.fileBytes.reserve(1 << 15);
    sink.listRows.reserve(1194);
    const calc::GridOutcome outcome = calc::WalkGrid(in, sink);
    benchmark::DoNotOptimize(outcome);
    benchmark::DoNotOptimize(sink.fileBytes.data());
  }
}

void RunWithFile(benchmark::State& state, StabilityClass cls, AreaType area) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "yelduman-bench.txt";
  const calc::InputTexts texts{"20", "5", "50", "1"};
  NullView view;
  for (auto _ : state) {
    const calc::RunOutcome outcome = calc::RunCalculation(texts, cls, area, view, file);
    benchmark::DoNotOptimize(outcome);
  }
  std::filesystem::remove(file);
}

BENCHMARK_CAPTURE(GridIntoMemory, urban_D, StabilityClass::D, AreaType::Urban)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(GridIntoMemory, rural_F, StabilityClass::F, AreaType::Rural)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunWithFile, urban_D, StabilityClass::D, AreaType::Urban)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunWithFile, rural_F, StabilityClass::F, AreaType::Rural)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
