// A full 20 km run is 199 distances and 1194 rows. Targets on a 2-core
// machine: the program's walk with its file lines and list rows in memory at
// most 1.10 times the reference loop (bench/reference_walk.h: the same bytes,
// checked first for every area and class, with each term computed as rarely
// as its inputs allow), urban D and rural F; the whole run with
// "yelduman.txt" written and the list's rows reported at most 1 ms. Medians
// of twenty repetitions, the benchmarks interleaved at random:
//   build/bench/calc_bench --benchmark_repetitions=20 --benchmark_report_aggregates_only
//     --benchmark_enable_random_interleaving=true
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

// Every area and class: the reference loop writes the program's bytes, or
// its figures say nothing. Checked once, before anything is timed.
bool ReferenceWritesTheProgramsBytes() {
  for (const AreaType area : {AreaType::Urban, AreaType::Rural}) {
    for (const StabilityClass cls : calc::kAllClasses) {
      const calc::PlumeInputs in = TwentyKilometres(cls, area);
      MemorySink program;
      std::string file, list;
      if (calc::WalkGrid(in, program).rows != 1194 ||
          !reference::Walk(in, file, list, kSeparator) || file != program.file ||
          list != program.list)
        return false;
    }
  }
  return true;
}

[[maybe_unused]] const bool kReferenceChecked = [] {
  if (!ReferenceWritesTheProgramsBytes()) {
    std::fprintf(stderr, "the reference loop's bytes are not the program's\n");
    std::abort();
  }
  return true;
}();

void ReferenceWalk(benchmark::State& state, StabilityClass cls, AreaType area) {
  const calc::PlumeInputs in = TwentyKilometres(cls, area);
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
