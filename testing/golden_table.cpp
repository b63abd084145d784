#include "testing/golden_table.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <variant>

#include "calc/calculation_run.h"
#include "calc/results_format.h"
#include "testing/temp_dir.h"

namespace golden_runs {
namespace {

constexpr struct {
  calc::InputField field;
  std::string_view name;
} kFieldNames[] = {{calc::InputField::Distance, "distance"},
                   {calc::InputField::WindSpeed, "wind"},
                   {calc::InputField::StackHeight, "height"},
                   {calc::InputField::EmissionRate, "emission"}};

constexpr std::string_view kClassNames = "ABCDEF";
static_assert(std::size(kClassNames) == std::size(calc::kAllClasses));

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

std::optional<std::string> Unescape(std::string_view field) {
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

std::string OutcomeOf(const calc::RunReport& report) {
  switch (report.outcome) {
    case calc::RunOutcome::Completed: return "completed";
    case calc::RunOutcome::Faulted: return "faulted";
    case calc::RunOutcome::Refused: break;
  }
  const auto& refused = std::get<calc::RefusedField>(report.messages.front());
  for (const auto& f : kFieldNames) {
    if (f.field == refused.field) return "refused " + std::string(f.name);
  }
  return "refused ?";
}

// The list's rows as the window receives them, value with a period.
std::string ListText(const calc::RunReport& report) {
  if (report.list == calc::ListChange::Kept) return {};
  return std::string(calc::kListHeaderRow) + "\n" + report.rows;
}

}  // namespace

std::string Fnv1a64(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

char ClassLetter(calc::StabilityClass cls) { return kClassNames[static_cast<std::size_t>(cls)]; }

std::vector<GoldenRun> ParseGoldenRuns(std::string_view table, std::string& error) {
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
    const std::size_t cls = f[5].size() == 1 ? kClassNames.find(f[5]) : std::string_view::npos;
    if (cls == std::string_view::npos) return fail("class A to F expected");
    if (f[6] != "urban" && f[6] != "rural") return fail("area urban or rural expected");
    GoldenRun run;
    run.inputs.label = std::string(f[0]);
    std::string* const texts[] = {&run.inputs.texts.distance, &run.inputs.texts.windSpeed,
                                  &run.inputs.texts.stackHeight, &run.inputs.texts.emissionRate};
    for (int i = 0; i < 4; ++i) {
      const auto text = Unescape(f[static_cast<std::size_t>(1 + i)]);
      if (!text) return fail("bad escape");
      *texts[i] = *text;
    }
    run.inputs.cls = calc::kAllClasses[cls];
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

GoldenResult PerformGoldenRun(const GoldenInputs& in, const std::filesystem::path& file) {
  const calc::RunReport report = calc::RunCalculation(in.texts, in.cls, in.area, ".", file);
  GoldenResult r;
  r.outcome = OutcomeOf(report);
  const std::string bytes = testing_support::ReadBytes(file);
  int lines = 0;
  for (const char c : bytes) lines += c == '\n';
  r.rows = lines > 0 ? lines - 1 : 0;
  r.fileHash = Fnv1a64(bytes);
  r.listHash = Fnv1a64(ListText(report));
  return r;
}

}  // namespace golden_runs
