#include "calc/calculation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "calc/results_format.h"
#include "tests/support/temp_dir.h"

namespace calc {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using Calls = std::vector<std::string>;

// Records every call the run makes on the windows, in order.
class RecordingView final : public RunView {
 public:
  void prepareList(std::string_view header) override {
    calls.push_back("prepare");
    list.assign(1, std::string(header));
  }
  void addRow(std::string_view row) override { list.emplace_back(row); }
  void showRefusal(std::string_view m) override { calls.push_back("refusal:" + std::string(m)); }
  void showCompletion(std::string_view m) override { calls.push_back("completion:" + std::string(m)); }
  void reportFault(std::string_view m) override { calls.push_back("fault:" + std::string(m)); }
  void showResults() override { calls.push_back("results"); }
  std::string decimalSeparator() const override { return separator; }

  Calls calls;
  std::vector<std::string> list;
  std::string separator = ".";
};

InputTexts Texts(const char* distance, const char* windSpeed = "5", const char* stackHeight = "50",
                 const char* emissionRate = "1") {
  return {distance, windSpeed, stackHeight, emissionRate};
}

size_t CountLines(const std::string& bytes) {
  return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

bool IsFault(const std::string& call) { return call.rfind("fault:", 0) == 0; }

class RunTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return dir.path() / kResultsFileName; }
  RunOutcome Run(const InputTexts& texts, StabilityClass cls = StabilityClass::D,
                 AreaType area = AreaType::Urban) {
    view = RecordingView{};
    return RunCalculation(texts, cls, area, view, file());
  }
  TempDir dir;
  RecordingView view;
};

// The k-th distance as listed: 0.1 km added to the last, never k * 0.1, so
// the 60th to the 100th fall just below their nominal metres.
std::string DistanceText(int k) {
  if (k >= 60 && k <= 88) return std::to_string(k * 100 - 1) + ".99999999999";
  if (k >= 89 && k <= 100) return std::to_string(k * 100 - 1) + ".99999999998";
  return std::to_string(k * 100);
}

// The k-th accumulated distance overshoots k/10 for k = 3, 14..43 and
// 192..200, so those maxima lose their own last distance. Every distance
// holds the six offsets 0..500 m, in grid order.
TEST_F(RunTest, RowsFollowTheAccumulatedGrid) {
  const struct { const char* xmax; int distances; } cases[] = {
      {"0.05", 0}, {"0.1", 1}, {"0.15", 1}, {"0.25", 2}, {"0.3", 2},     {"0.35", 3},
      {"1", 10},   {"2", 19},  {"4.3", 42}, {"4.4", 44}, {"19.1", 191}, {"20", 199},
  };
  const Calls completed{"prepare", "completion:" + std::string(kCompletionMessage), "results"};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xmax);
    ASSERT_EQ(Run(Texts(c.xmax)), RunOutcome::Completed);
    EXPECT_EQ(CountLines(ReadBytes(file())), 1u + 6u * c.distances);
    ASSERT_EQ(view.list.size(), 1u + 6u * c.distances);
    EXPECT_EQ(view.calls, completed);
    for (size_t i = 1; i < view.list.size(); ++i) {
      const int k = static_cast<int>(i - 1) / 6 + 1, Y = static_cast<int>(i - 1) % 6 * 100;
      const std::string point = " " + DistanceText(k) + "\t " + std::to_string(Y) + "\t";
      EXPECT_EQ(view.list[i].substr(0, point.size()), point) << "row " << i;
    }
  }
}

// The file and the list hold the same points; only the list's values take
// the caller's decimal separator.
TEST_F(RunTest, FileAndListHoldTheSamePoints) {
  view.separator = ",";
  ASSERT_EQ(RunCalculation(Texts("1"), StabilityClass::D, AreaType::Urban, view, file()),
            RunOutcome::Completed);
  const std::string bytes = ReadBytes(file());
  EXPECT_EQ(bytes.substr(0, 40), "\"X\",\"Y\",\"Disp\"\r\n100,0,412.8\r\n100,100,0\r\n");
  EXPECT_NE(bytes.find("\r\n1000,0,3529.08\r\n"), std::string::npos);
  EXPECT_EQ(view.list.at(1), " 100\t 0\t412,8");
  EXPECT_EQ(view.list.at(55), " 1000\t 0\t3529,08");
}

// A refused run leaves the 16-byte header in place of the old results and
// shows the message of the first refused field only, byte for byte: ü is
// C3 BC and Ç is C3 87 in UTF-8.
TEST_F(RunTest, RefusalLeavesTheHeaderAndShowsOneMessage) {
  const struct { InputTexts texts; const char* message; } cases[] = {
      {Texts(""), "Max. Uzaklik Degerine DIKKAT!!!"},
      {Texts("25", ""), "Max. Uzaklik Degerine DIKKAT!!!"},
      {Texts("20", ""), "R\xC3\xBCzgar Degerine DIKKAT!!!"},
      {Texts("20", "5", "abc"), "Baca Y\xC3\xBCkseklik Degerine DIKKAT!!!"},
      {Texts("20", "5", "50", "-1"), "Emisyon \xC3\x87ikis Degerine DIKKAT!!!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    ASSERT_EQ(Run(Texts("1")), RunOutcome::Completed);
    EXPECT_EQ(Run(c.texts), RunOutcome::Refused);
    EXPECT_EQ(ReadBytes(file()), kFileHeaderLine);
    EXPECT_EQ(view.list, std::vector<std::string>{"X\tY\tDisp"});
    EXPECT_EQ(view.calls, (Calls{"prepare", "refusal:" + std::string(c.message)}));
  }
}

// The results file cannot be created (a directory stands in its place) or
// sits on a full disk, where every write fails once its buffer is flushed:
// the run is a fault naming the file, never a completion or a refusal, and
// the list is untouched. The next run in a writable place works.
TEST_F(RunTest, UnwritableFileIsAFault) {
  for (const bool fullDisk : {false, true}) {
    std::filesystem::remove(file());
    if (!fullDisk) std::filesystem::create_directory(file());
    if (fullDisk && !std::filesystem::exists("/dev/full")) continue;
    if (fullDisk) std::filesystem::create_symlink("/dev/full", file());
    for (const char* xmax : {"20", "0.05", ""}) {
      SCOPED_TRACE(testing::Message() << (fullDisk ? "full disk, Xmax " : "directory, Xmax ") << xmax);
      EXPECT_EQ(Run(Texts(xmax)), RunOutcome::Faulted);
      ASSERT_EQ(view.calls.size(), 1u);
      EXPECT_TRUE(IsFault(view.calls[0]));
      EXPECT_NE(view.calls[0].find("yelduman.txt"), std::string::npos);
      EXPECT_TRUE(view.list.empty());
    }
  }
  std::filesystem::remove(file());
  EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
}

TEST_F(RunTest, ArithmeticOverflowStopsTheRunWhereItOccurs) {
  // A tiny wind makes C itself too large for single precision at the first point.
  EXPECT_EQ(Run(Texts("20", "1e-30", "50", "1e40")), RunOutcome::Faulted);
  EXPECT_EQ(ReadBytes(file()), kFileHeaderLine);
  ASSERT_EQ(view.calls.size(), 2u);
  EXPECT_TRUE(IsFault(view.calls[1]));
  EXPECT_NE(view.calls[1].find("sayı taşması"), std::string::npos);

  // A high stack keeps the ground clean near the source; further out the
  // plume touches down and the value in micrograms leaves the float range.
  EXPECT_EQ(Run(Texts("20", "1", "1000", "1e40"), StabilityClass::A), RunOutcome::Faulted);
  const std::string bytes = ReadBytes(file());
  const size_t rows = CountLines(bytes) - 1;
  EXPECT_GT(rows, 0u);
  EXPECT_LT(rows, 1194u);
  EXPECT_EQ(view.list.size(), rows + 1);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  ASSERT_EQ(view.calls.size(), 2u);
  EXPECT_TRUE(IsFault(view.calls[1]));

  // The file was closed: the next run rewrites it.
  EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
  EXPECT_EQ(CountLines(ReadBytes(file())), 61u);
}

}  // namespace
}  // namespace calc
