// A full 20 km run is 199 distances and 1194 rows. Targets on a 2-core
// machine: the program's walk with its file lines and list rows in memory at
// most 1.10 times the reference loop (bench/reference_walk.h), whose bytes
// it checks first; the whole run with "yelduman.txt" written and the list's
// rows reported at most 1 ms. Medians of ten repetitions:
//   build/bench/calc_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "bench/reference_walk.h"
#include "calc/calculation_run.h"
#include "calc/results_format.h"

namespace {

using calc::AreaType;
using calc::StabilityClass;

// A Turkish user's list: the values with a decimal comma.
constexpr std::string_view kSeparator = ",";
constexpr std::size_t kRoom = 1 << 15;  // a 20 km run's file or list, with room to spare

// Each row as the run's own sink takes it, formatted once for the file's
// line and the list's row, the file's lines kept in memory.
class MemorySink final : public calc::RowSink {
 public:
  MemorySink() {
    file.reserve(kRoom);
    list.reserve(kRoom);
  }
  bool accept(const calc::FormattedRow& text) override {
    file += text.fileLine();
    text.appendListRow(list, kSeparator);
    return true;
  }
  std::string file;
  std::string list;
};

calc::PlumeInputs TwentyKilometres(StabilityClass cls, AreaType area) {
  return {.maxDistance = 20,
          .windSpeed = 5,
          .stackHeight = 50,
          .emissionRate = 1,
          .stabilityClass = cls,
          .areaType = area};
}

void ProgramWalk(benchmark::State& state, StabilityClass cls, AreaType area) {
  const calc::PlumeInputs in = TwentyKilometres(cls, area);
  for (auto _ : state) {
    MemorySink sink;
    benchmark::DoNotOptimize(calc::WalkGrid(in, sink));
    benchmark::DoNotOptimize(sink.file.data());
    benchmark::DoNotOptimize(sink.list.data());
  }
}

void ReferenceWalk(benchmark::State& state, StabilityClass cls, AreaType area) {
  const calc::PlumeInputs in = TwentyKilometres(cls, area);
  {
    MemorySink program;
    std::string file, list;
    const bool walked =
        calc::WalkGrid(in, program).rows == 1194 && reference::Walk(in, file, list, kSeparator);
    if (!walked || file != program.file || list != program.list) {
      std::fprintf(stderr, "the reference loop's bytes are not the program's\n");
      std::abort();
    }
  }
  for (auto _ : state) {
    std::string file, list;
    file.reserve(kRoom);
    list.reserve(kRoom);
    benchmark::DoNotOptimize(reference::Walk(in, file, list, kSeparator));
    benchmark::DoNotOptimize(file.data());
    benchmark::DoNotOptimize(list.data());
  }
}

void RunWithFile(benchmark::State& state, StabilityClass cls, AreaType area) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "yelduman-bench.txt";
  const calc::InputTexts texts{"20", "5", "50", "1"};
  for (auto _ : state) {
    const calc::RunReport report = calc::RunCalculation(texts, cls, area, kSeparator, file);
    benchmark::DoNotOptimize(report.rows.data());
  }
  std::filesystem::remove(file);
}

BENCHMARK_CAPTURE(ProgramWalk, rural_F, StabilityClass::F, AreaType::Rural)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReferenceWalk, rural_F, StabilityClass::F, AreaType::Rural)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ProgramWalk, urban_D, StabilityClass::D, AreaType::Urban)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReferenceWalk, urban_D, StabilityClass::D, AreaType::Urban)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunWithFile, rural_F, StabilityClass::F, AreaType::Rural)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunWithFile, urban_D, StabilityClass::D, AreaType::Urban)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
