#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calc/calculation_run.h"
#include "calc/results_format.h"
#include "tests/support/golden_runs.h"
#include "tests/support/temp_dir.h"

namespace calc {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

// Students keep their work in folders named in Turkish. The run writes its
// results by the absolute path of such a folder, and the file is found there
// under its own name with the bytes of the worked example (Q = 1 kg/s,
// u = 5 m/s, H = 50 m, urban class D, one distance). On Windows the name only
// survives as a wide path all the way to the file system.
TEST(ResultsPath, AbsolutePathInAFolderNamedInTurkish) {
  const TempDir dir;
  const std::filesystem::path folder =
      std::filesystem::absolute(dir.path() / std::filesystem::path(u8"Öğrenci Çalışmaları"));
  std::filesystem::create_directory(folder);
  const std::filesystem::path file = folder / kResultsFileName;
  ASSERT_TRUE(file.is_absolute());

  testing_support::HashingView view;
  ASSERT_EQ(RunCalculation({"0.1", "5", "50", "1"}, StabilityClass::D, AreaType::Urban, view, file),
            RunOutcome::Completed);

  EXPECT_EQ(ReadBytes(file), std::string(kFileHeaderLine) +
                                 "100,0,412.8\r\n100,100,0\r\n100,200,0\r\n"
                                 "100,300,0\r\n100,400,0\r\n100,500,0\r\n");
  // Nothing went to a folder of a garbled name beside it. (The names are
  // compared as UTF-8 bytes in plain strings, which GoogleTest can print.)
  std::string names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    const std::u8string name = entry.path().filename().u8string();
    names.append(name.begin(), name.end()).append("|");
  }
  const std::u8string expected = u8"Öğrenci Çalışmaları|";
  EXPECT_EQ(names, std::string(expected.begin(), expected.end()));
}

}  // namespace
}  // namespace calc
