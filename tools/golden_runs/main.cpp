// Reads the golden runs' table, performs every run and writes the table
// again to standard output, each run's recorded results replaced by the
// results of this build. It refuses to write anything unless this build
// first reproduces the hand-checked rows of the urban class D source (1 kg/s,
// 5 m/s, 50 m), so a table is only ever generated from a core that computes
// those right.

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "calc/results_file.h"
#include "calc/results_format.h"
#include "testing/golden_table.h"
#include "testing/temp_dir.h"

namespace {

using golden_runs::GoldenInputs;
using golden_runs::GoldenResult;

// A typed text as a field of the table: tab, line feed and backslash escaped.
std::string Escape(std::string_view text) {
  std::string field;
  for (const char c : text) {
    if (c == '\t') field += "\\t";
    else if (c == '\n') field += "\\n";
    else if (c == '\\') field += "\\\\";
    else field += c;
  }
  return field;
}

std::string GoldenRunLine(const GoldenInputs& in, const GoldenResult& r) {
  std::string line = in.label;
  for (const std::string* text :
       {&in.texts.distance, &in.texts.windSpeed, &in.texts.stackHeight, &in.texts.emissionRate}) {
    line += '\t' + Escape(*text);
  }
  line += '\t';
  line += golden_runs::ClassLetter(in.cls);
  line += in.area == calc::AreaType::Urban ? "\turban\t" : "\trural\t";
  line += r.outcome + '\t' + std::to_string(r.rows) + '\t' + r.fileHash + '\t' + r.listHash;
  return line;
}

// Q = 1 kg/s, u = 5 m/s, H = 50 m, urban class D, out to 20 km.
const GoldenInputs kCheckedSource{"urban D 20 km Q=1 u=5 H=50",
                                  {"20", "5", "50", "1"},
                                  calc::StabilityClass::D,
                                  calc::AreaType::Urban};

// Lines of its results file, whole, CR LF included.
constexpr std::string_view kCheckedLines[] = {
    "100,0,412.8\r\n",     "100,100,0\r\n",        "100,500,0\r\n",
    "1000,0,3529.08\r\n",  "1000,100,2684.78\r\n", "1000,200,1182.09\r\n",
    "1000,300,301.22\r\n", "1000,400,44.42\r\n",   "1000,500,3.79\r\n",
};

// The first line of the k-th distance starts with its written distance: the
// accumulated 0.30000000000000004 km as 300, and the 60th, 89th and 100th
// just below their whole hundreds.
// clang-format off
constexpr struct {
  int k;
  std::string_view start;
} kCheckedDistances[] = {{3, "300,0,"}, {60, "5999.99999999999,0,"}, {89, "8899.99999999998,0,"},
                        {100, "9999.99999999998,0,"}, {199, "19900,0,"}};
// clang-format on

std::string_view LineAt(std::string_view bytes, int index) {
  for (int i = 0; i < index; ++i) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return {};
    bytes.remove_prefix(end + 1);
  }
  return bytes.substr(0, bytes.find('\n') + 1);
}

bool CheckedSourceHolds(const std::filesystem::path& file) {
  golden_runs::PerformGoldenRun(kCheckedSource, file);
  const std::string bytes = testing_support::ReadBytes(file);
  bool holds = bytes.size() > calc::kFileHeaderLine.size();
  for (const std::string_view line : kCheckedLines) {
    if (bytes.find("\n" + std::string(line)) == std::string::npos) {
      std::cerr << "hand-checked row missing: " << line.substr(0, line.size() - 2) << '\n';
      holds = false;
    }
  }
  for (const auto& d : kCheckedDistances) {
    const std::string_view line = LineAt(bytes, 1 + 6 * (d.k - 1));
    if (line.substr(0, d.start.size()) != d.start) {
      std::cerr << "distance " << d.k << " written as " << line.substr(0, line.find('\r'))
                << " instead of " << d.start << "...\n";
      holds = false;
    }
  }
  return holds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: golden_runs TABLE > NEW_TABLE\n";
    return 2;
  }
  const std::string table = testing_support::ReadBytes(argv[1]);
  std::string error;
  const auto runs = golden_runs::ParseGoldenRuns(table, error);
  if (!error.empty() || runs.empty()) {
    std::cerr << argv[1] << ": " << (error.empty() ? "no runs" : error) << '\n';
    return 1;
  }

  testing_support::TempDir dir;
  const std::filesystem::path file = dir.path() / calc::kResultsFileName;
  if (!CheckedSourceHolds(file)) {
    std::cerr << "this build does not reproduce the hand-checked rows; no table written\n";
    return 1;
  }

  // Comment lines stay where they are; each run line is written afresh.
  std::string out;
  std::size_t next = 0;
  std::string_view rest = table;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.empty() || line.front() == '#') {
      out.append(line).append("\n");
      continue;
    }
    const GoldenInputs& in = runs[next++].inputs;
    out += GoldenRunLine(in, golden_runs::PerformGoldenRun(in, file)) + "\n";
  }
  std::cout << out;
  return std::cout.good() ? 0 : 1;
}
