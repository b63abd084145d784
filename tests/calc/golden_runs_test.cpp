// In every build (optimised or not, g++ or clang, FMA or not, mingw-w64).
#include <gtest/gtest.h>

#include "calc/results_file.h"
#include "testing/golden_table.h"
#include "testing/temp_dir.h"
#include "tests/calc/golden_runs_table.h"

namespace golden_runs {
namespace {

TEST(GoldenRuns, EveryRunWritesItsRecordedBytes) {
  // Published FNV-1a 64 values, so the recorded hashes are FNV-1a's.
  ASSERT_EQ(Fnv1a64("a"), "af63dc4c8601ec8c");
  ASSERT_EQ(Fnv1a64("foobar"), "85944171f73967e8");
  std::string error;
  const std::vector<GoldenRun> runs = ParseGoldenRuns(kGoldenRunsTable, error);
  ASSERT_EQ(error, "");
  ASSERT_GE(runs.size(), 60u);
  testing_support::TempDir dir;
  for (const GoldenRun& run : runs) {
    SCOPED_TRACE(run.inputs.label);
    ASSERT_TRUE(run.recorded.has_value()) << "no recorded results";
    const GoldenResult actual = PerformGoldenRun(run.inputs, dir.path() / calc::kResultsFileName);
    EXPECT_EQ(actual.outcome, run.recorded->outcome);
    EXPECT_EQ(actual.rows, run.recorded->rows);
    EXPECT_EQ(actual.fileHash, run.recorded->fileHash);
    EXPECT_EQ(actual.listHash, run.recorded->listHash);
  }
}

}  // namespace
}  // namespace golden_runs
