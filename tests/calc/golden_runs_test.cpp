// Golden runs: every run of the committed table, performed headless through
// the run's view interface in a temporary directory, must give the recorded
// outcome, number of rows and hashes: FNV-1a 64 of the file's bytes, and of
// the list's rows (header row first, a period in the values), each row
// followed by '\n'. tests/support/golden_runs.h describes the table.
// The same table holds for every build (optimised or not, g++ or clang, CPUs
// with and without FMA, Windows through mingw-w64): a failure here means a
// written number changed, in this build or in the core.

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "calc/results_file.h"
#include "tests/calc/golden_runs_table.h"
#include "tests/support/golden_runs.h"
#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

// Published FNV-1a 64 values, so the recorded hashes are FNV-1a's and not
// merely this program's.
TEST(GoldenRuns, HashIsFnv1a64) {
  EXPECT_EQ(HashText(Fnv1a64Of("")), "cbf29ce484222325");
  EXPECT_EQ(HashText(Fnv1a64Of("a")), "af63dc4c8601ec8c");
  EXPECT_EQ(HashText(Fnv1a64Of("foobar")), "85944171f73967e8");
}

TEST(GoldenRuns, EveryRunWritesItsRecordedBytes) {
  std::string error;
  const std::vector<GoldenRun> runs = ParseGoldenRuns(kGoldenRunsTable, error);
  ASSERT_EQ(error, "");
  ASSERT_GE(runs.size(), 60u);
  TempDir dir;
  for (const GoldenRun& run : runs) {
    SCOPED_TRACE(run.inputs.label);
    ASSERT_TRUE(run.recorded.has_value()) << "no recorded results";
    const GoldenResult actual = PerformGoldenRun(run.inputs, dir.path() / calc::kResultsFileName);
    EXPECT_EQ(actual.outcome, run.recorded->outcome);
    EXPECT_EQ(actual.rows, run.recorded->rows);
    EXPECT_EQ(actual.fileHash, run.recorded->fileHash);
    EXPECT_EQ(actual.listHash, run.recorded->listHash);
  }
  std::cout << runs.size() << " golden runs\n";
}

}  // namespace
}  // namespace testing_support
