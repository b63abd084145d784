// A whole headless run from four arbitrary texts and any class and area:
// no crash, no sanitizer report, and the results file is always well formed.
// A refusal leaves the 16-byte header; a completed run 1 + 6n lines with
// n <= 199, each a row of finite numbers ending in CR LF; a fault is reported
// and the file stays closed and holds the rows of the report.
#include <unistd.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation_run.h"
#include "calc/number_reading.h"
#include "calc/results_format.h"
#include "testing/temp_dir.h"

namespace {

const std::filesystem::path& ResultsPath() {
  static const std::filesystem::path path = [] {
    auto dir =
        std::filesystem::temp_directory_path() / ("yelduman-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir / calc::kResultsFileName;
  }();
  return path;
}

// A row line: distance, offset and value, all finite, comma-separated.
void CheckRow(std::string_view line) {
  const size_t c1 = line.find(',');
  const size_t c2 = line.find(',', c1 + 1);
  if (c1 == std::string_view::npos || c2 == std::string_view::npos) std::abort();
  if (line.find(',', c2 + 1) != std::string_view::npos) std::abort();
  for (char ch : line) {
    if (!((ch >= '0' && ch <= '9') || ch == '.' || ch == ',' || ch == 'E' || ch == '+' ||
          ch == '-'))
      std::abort();
  }
  const calc::NumberReading value = calc::ReadNumber(line.substr(c2 + 1));
  if (value.outOfRange || !std::isfinite(value.value) || value.value < 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto cls = static_cast<calc::StabilityClass>(data[0] % 6);
  const auto area = (data[1] & 1) != 0 ? calc::AreaType::Rural : calc::AreaType::Urban;
  // The four texts are separated by '|'; missing ones are empty.
  std::vector<std::string> parts(4);
  size_t field = 0;
  for (size_t i = 2; i < size; ++i) {
    if (data[i] == '|' && field < 3) ++field;
    else parts[field].push_back(static_cast<char>(data[i]));
  }
  const calc::InputTexts texts{parts[0], parts[1], parts[2], parts[3]};

  const calc::RunReport report = calc::RunCalculation(texts, cls, area, ".", ResultsPath());
  const calc::RunOutcome outcome = report.outcome;
  if (report.messages.size() != 1 || report.list == calc::ListChange::Kept) std::abort();

  const std::string bytes = testing_support::ReadBytes(ResultsPath());
  if (bytes.compare(0, calc::kFileHeaderLine.size(), calc::kFileHeaderLine) != 0) std::abort();
  if (outcome == calc::RunOutcome::Refused && bytes.size() != calc::kFileHeaderLine.size())
    std::abort();

  int lines = 0;
  size_t start = calc::kFileHeaderLine.size();
  while (start < bytes.size()) {
    const size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) std::abort();  // every line ends in CR LF
    CheckRow(std::string_view(bytes).substr(start, end - start));
    ++lines;
    start = end + 2;
  }
  if (lines != report.rowCount() || lines > 6 * 199) std::abort();
  if (outcome == calc::RunOutcome::Completed && lines % 6 != 0) std::abort();
  return 0;
}
