#pragma once
// The golden runs' table, read by its generator (main.cpp) and by the test
// that performs every run of it (tests/calc/golden_runs_test.cpp).
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

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation_run.h"
#include "calc/input_check.h"
#include "calc/types.h"
#include "tests/support/temp_dir.h"

namespace testing_support {

// FNV-1a 64 of the bytes, in 16 lower-case hex digits.
inline std::string Fnv1a64(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3;
  }
  std::string text(16, '0');
  for (auto digit = text.rbegin(); digit != text.rend(); ++digit, hash >>= 4) {
    *digit = "0123456789abcdef"[hash & 0xf];
  }
  return text;
}

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

// The windows of a run, as far as a golden run looks at them: the list is
// kept whole and hashed once the run is over.
class CapturingView final : public calc::RunView {
 public:
  void prepareList(std::string_view headerRow) override {
    list_.clear();
    addRow(headerRow);
  }
  void addRow(std::string_view rowText) override { list_.append(rowText).append("\n"); }
  void showRefusal(std::string_view message) override { refusal_ = std::string(message); }
  void showCompletion(std::string_view) override {}
  void reportFault(std::string_view) override {}
  void showResults() override {}
  std::string decimalSeparator() const override { return "."; }

  const std::string& list() const { return list_; }
  const std::string& refusal() const { return refusal_; }

 private:
  std::string list_;
  std::string refusal_;
};

namespace golden_detail {

inline constexpr struct {
  calc::InputField field;
  std::string_view name;
} kFieldNames[] = {{calc::InputField::Distance, "distance"},
                   {calc::InputField::WindSpeed, "wind"},
                   {calc::InputField::StackHeight, "height"},
                   {calc::InputField::EmissionRate, "emission"}};

inline constexpr std::string_view kClassNames = "ABCDEF";

inline std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

inline std::optional<std::string> Unescape(std::string_view field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      text += field[i];
      continue;
    }
    if (++i == field.size()) return std::nullopt;
    switch (field[i]) {
      case 't': text += '\t'; break;
      case 'n': text += '\n'; break;
      case '\\': text += '\\'; break;
      default: return std::nullopt;
    }
  }
  return text;
}

}  // namespace golden_detail

// The runs of a table, or the first fault of its text in `error`.
inline std::vector<GoldenRun> ParseGoldenRuns(std::string_view table, std::string& error) {
  using namespace golden_detail;
  std::vector<GoldenRun> runs;
  int lineNumber = 0;
  while (!table.empty()) {
    const std::size_t end = table.find('\n');
    const std::string_view line = table.substr(0, end);
    table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;

    const auto fail = [&](std::string_view why) {
      error = "line " + std::to_string(lineNumber) + ": " + std::string(why);
      return std::vector<GoldenRun>{};
    };
    const std::vector<std::string_view> f = SplitTabs(line);
    if (f.size() != 7 && f.size() != 11) return fail("7 or 11 columns expected");
    GoldenRun run;
    run.inputs.label = std::string(f[0]);
    std::string* const texts[] = {&run.inputs.texts.distance, &run.inputs.texts.windSpeed,
                                  &run.inputs.texts.stackHeight, &run.inputs.texts.emissionRate};
    for (int i = 0; i < 4; ++i) {
      const auto text = Unescape(f[static_cast<std::size_t>(1 + i)]);
      if (!text) return fail("bad escape");
      *texts[i] = *text;
    }
    const std::size_t cls = kClassNames.find(f[5]);
    if (f[5].size() != 1 || cls == std::string_view::npos) return fail("class A to F expected");
    run.inputs.cls = calc::kAllClasses[cls];
    if (f[6] != "urban" && f[6] != "rural") return fail("area urban or rural expected");
    run.inputs.area = f[6] == "urban" ? calc::AreaType::Urban : calc::AreaType::Rural;
    if (f.size() == 11) {
      GoldenResult r;
      r.outcome = std::string(f[7]);
      if (std::from_chars(f[8].data(), f[8].data() + f[8].size(), r.rows).ptr !=
          f[8].data() + f[8].size())
        return fail("row count expected");
      r.fileHash = std::string(f[9]);
      r.listHash = std::string(f[10]);
      run.recorded = r;
    }
    runs.push_back(run);
  }
  return runs;
}

// Runs one click with the results file at `file`, and leaves the file there.
inline GoldenResult PerformGoldenRun(const GoldenInputs& in, const std::filesystem::path& file) {
  CapturingView view;
  const calc::RunOutcome outcome = calc::RunCalculation(in.texts, in.cls, in.area, view, file);
  GoldenResult r;
  switch (outcome) {
    case calc::RunOutcome::Completed: r.outcome = "completed"; break;
    case calc::RunOutcome::Faulted: r.outcome = "faulted"; break;
    case calc::RunOutcome::Refused:
      r.outcome = "refused ?";
      for (const auto& f : golden_detail::kFieldNames) {
        if (calc::RefusalMessage(f.field) == view.refusal())
          r.outcome = "refused " + std::string(f.name);
      }
      break;
  }
  const std::string bytes = ReadBytes(file);
  int lines = 0;
  for (const char c : bytes) lines += c == '\n';
  r.rows = lines > 0 ? lines - 1 : 0;
  r.fileHash = Fnv1a64(bytes);
  r.listHash = Fnv1a64(view.list());
  return r;
}

}  // namespace testing_support
