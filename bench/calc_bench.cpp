// A full 20 km run is 199 distances and 1194 rows. Targets on a 2-core
// machine: computation and the file's lines in memory at most 0.5 ms; the
// whole run with "yelduman.txt" written and the rows reported at most 1 ms.
// The list's rows are formatted by the windows, so ui_bench measures them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "calc/calculation_run.h"
#include "calc/results_format.h"

namespace {

using calc::AreaType;
using calc::StabilityClass;

// Keeps the file's lines in memory.
class MemorySink final : public calc::RowSink {
 public:
  bool accept(const calc::ResultRow& row) override {
    fileBytes += calc::FileRowLine(row);
    return true;
  }
  std::string fileBytes;
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
    const calc::GridOutcome outcome = calc::WalkGrid(in, sink);
    benchmark::DoNotOptimize(outcome);
    benchmark::DoNotOptimize(sink.fileBytes.data());
  }
}

void RunWithFile(benchmark::State& state, StabilityClass cls, AreaType area) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "yelduman-bench.txt";
  const calc::InputTexts texts{"20", "5", "50", "1"};
  for (auto _ : state) {
    const calc::RunReport report = calc::RunCalculation(texts, cls, area, file);
    benchmark::DoNotOptimize(report.rows.data());
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
