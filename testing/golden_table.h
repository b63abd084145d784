#pragma once
// The golden runs' table, read by its generator (tools/golden_runs) and by
// the test that performs every run of it (tests/calc/golden_runs_test.cpp);
// both link this library.
//
// Golden runs: clicks of HESAPLA with fixed texts and selections, each
// reduced to what a user can see of it (the outcome, the number of rows, the
// bytes of the results file and the rows of the results list). A committed
// table of them pins every written number to the last byte, in every build.
//
// The table is tab-separated text, one run per line; blank lines and lines
// starting with '#' are comments. Columns:
//   label, distance, wind speed, stack height, emission rate (the four texts
//   as typed), class (A..F), area (urban|rural),
//   outcome (completed | refused <field> | faulted), rows (data lines of the
//   file), file hash, list hash.
// In the texts a backslash escapes a tab (\t), a line feed (\n) or itself (\\).
// The hashes are FNV-1a 64, in 16 lower-case hex digits: the file hash of the
// file's bytes; the list hash of the list's rows as the window receives them
// (header row first, value with a period), each row followed by '\n'.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/input_check.h"
#include "calc/types.h"

namespace golden_runs {

// FNV-1a 64 of the bytes, in 16 lower-case hex digits.
std::string Fnv1a64(std::string_view bytes);

struct GoldenInputs {
  std::string label;
  calc::InputTexts texts;
  calc::StabilityClass cls = calc::StabilityClass::A;
  calc::AreaType area = calc::AreaType::Urban;
};

struct GoldenResult {
  std::string outcome;
  int rows = 0;
  std::string fileHash;
  std::string listHash;
};

struct GoldenRun {
  GoldenInputs inputs;
  std::optional<GoldenResult> recorded;  // absent before the first generation
};

// A class as the table writes it, A to F.
char ClassLetter(calc::StabilityClass cls);

// The runs of a table, or the first fault of its text in `error`.
std::vector<GoldenRun> ParseGoldenRuns(std::string_view table, std::string& error);

// Runs one click with the results file at `file`, and leaves the file there.
GoldenResult PerformGoldenRun(const GoldenInputs& in, const std::filesystem::path& file);

}  // namespace golden_runs
