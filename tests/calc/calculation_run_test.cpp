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

  std::vector<std::string> calls;
  std::vector<std::string> list;
  std::string separator = ".";
};

InputTexts Texts(std::string mesafe, std::string rzg = "5", std::string bc = "50",
                 std::string em = "1") {
  return {std::move(mesafe), std::move(rzg), std::move(bc), std::move(em)};
}

size_t CountLines(const std::string& bytes) {
  return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

class RunTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return dir.path() / kResultsFileName; }
  RunOutcome Run(const InputTexts& texts, StabilityClass cls = StabilityClass::D,
                 AreaType area = AreaType::Urban) {
    return RunCalculation(texts, cls, area, view, file());
  }
  TempDir dir;
  RecordingView view;
};

// The k-th accumulated distance overshoots k/10 for k = 3, 14..43 and
// 192..200, so those maxima lose their own last distance.
TEST_F(RunTest, DistanceCountFollowsTheAccumulatedGrid) {
  struct Case {
    const char* xmax;
    int distances;
    const char* lastDistance;
  };
  const Case cases[] = {
      {"0.05", 0, nullptr}, {"0.1", 1, "100"},  {"0.15", 1, "100"},  {"0.25", 2, "200"},
      {"0.3", 2, "200"},    {"0.35", 3, "300"}, {"1", 10, "1000"},   {"2", 19, "1900"},
      {"4.3", 42, "4200"},  {"4.4", 44, "4400"}, {"19.1", 191, "19100"}, {"20", 199, "19900"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.xmax);
    view = RecordingView{};
    ASSERT_EQ(Run(Texts(c.xmax)), RunOutcome::Completed);
    const std::string bytes = ReadBytes(file());
    EXPECT_EQ(CountLines(bytes), 1u + 6u * c.distances);
    ASSERT_EQ(view.list.size(), 1u + 6u * c.distances);
    EXPECT_EQ(view.calls, (std::vector<std::string>{
                              "prepare", "completion:" + std::string(kCompletionMessage), "results"}));
    if (c.lastDistance != nullptr) {
      EXPECT_EQ(view.list.back().substr(0, view.list.back().find('\t')),
                " " + std::string(c.lastDistance));
      EXPECT_EQ(view.list.back().substr(view.list.back().find('\t'), 6), "\t 500\t");
    }
  }
}

TEST_F(RunTest, FileAndListHoldTheSamePointsInGridOrder) {
  ASSERT_EQ(Run(Texts("0.2")), RunOutcome::Completed);
  const std::string expected =
      "\"X\",\"Y\",\"Disp\"\r\n"
      "100,0,412.8\r\n100,100,0\r\n100,200,0\r\n100,300,0\r\n100,400,0\r\n100,500,0\r\n";
  EXPECT_EQ(ReadBytes(file()).substr(0, expected.size()), expected);
  ASSERT_EQ(view.list.size(), 13u);
  EXPECT_EQ(view.list[0], "X\tY\tDisp");
  EXPECT_EQ(view.list[1], " 100\t 0\t412.8");
  EXPECT_EQ(view.list[12].substr(0, 10), " 200\t 500\t");
}

TEST_F(RunTest, ListValuesTakeTheCallersSeparatorAndTheFileKeepsItsPeriod) {
  view.separator = ",";
  ASSERT_EQ(Run(Texts("1")), RunOutcome::Completed);
  EXPECT_EQ(view.list[55], " 1000\t 0\t3529,08");
  EXPECT_NE(ReadBytes(file()).find("\r\n1000,0,3529.08\r\n"), std::string::npos);
}

TEST_F(RunTest, RefusalLeavesTheHeaderAloneAndShowsOneMessage) {
  struct Case {
    InputTexts texts;
    const char* message;
  };
  const Case cases[] = {
      {Texts(""), "Max. Uzaklik Degerine DIKKAT!!!"},
      {Texts("25", ""), "Max. Uzaklik Degerine DIKKAT!!!"},
      {Texts("20", ""), "Rüzgar Degerine DIKKAT!!!"},
      {Texts("20", "5", "abc"), "Baca Yükseklik Degerine DIKKAT!!!"},
      {Texts("20", "5", "50", "-1"), "Emisyon Çikis Degerine DIKKAT!!!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    ASSERT_EQ(Run(Texts("1")), RunOutcome::Completed);  // old results to be replaced
    view = RecordingView{};
    EXPECT_EQ(Run(c.texts), RunOutcome::Refused);
    EXPECT_EQ(ReadBytes(file()), kFileHeaderLine);
    EXPECT_EQ(view.list, std::vector<std::string>{"X\tY\tDisp"});
    EXPECT_EQ(view.calls, (std::vector<std::string>{"prepare", "refusal:" + std::string(c.message)}));
  }
}

TEST_F(RunTest, SecondRunReplacesTheFirst) {
  ASSERT_EQ(Run(Texts("2")), RunOutcome::Completed);
  view = RecordingView{};
  ASSERT_EQ(Run(Texts("0.1"), StabilityClass::F, AreaType::Rural), RunOutcome::Completed);
  EXPECT_EQ(CountLines(ReadBytes(file())), 7u);
  EXPECT_EQ(view.list.size(), 7u);
}

// The results file cannot be created: a directory stands in its place.
TEST_F(RunTest, UncreatableFileIsReportedAndTheListIsUntouched) {
  std::filesystem::create_directory(file());
  EXPECT_EQ(Run(Texts("1")), RunOutcome::Faulted);
  ASSERT_EQ(view.calls.size(), 1u);
  EXPECT_EQ(view.calls[0].rfind("fault:", 0), 0u);
  EXPECT_NE(view.calls[0].find("yelduman.txt"), std::string::npos);
  EXPECT_TRUE(view.list.empty());
  // The next run in a writable place works.
  std::filesystem::remove(file());
  view = RecordingView{};
  EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
}

// A full disk: every write fails once its buffer is flushed.
TEST_F(RunTest, FullDiskIsAFaultAndNeverACompletion) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  std::filesystem::create_symlink("/dev/full", file());
  for (const char* xmax : {"20", "0.05", ""}) {
    SCOPED_TRACE(xmax);
    view = RecordingView{};
    EXPECT_EQ(Run(Texts(xmax)), RunOutcome::Faulted);
    ASSERT_EQ(view.calls.size(), 1u);
    EXPECT_EQ(view.calls[0].rfind("fault:", 0), 0u);
    EXPECT_TRUE(view.list.empty());
  }
}

TEST_F(RunTest, ArithmeticOverflowStopsTheRunWhereItOccurs) {
  // A tiny wind makes C itself too large for single precision at the first point.
  EXPECT_EQ(Run(Texts("20", "1e-30", "50", "1e40")), RunOutcome::Faulted);
  EXPECT_EQ(ReadBytes(file()), kFileHeaderLine);
  ASSERT_EQ(view.calls.size(), 2u);
  EXPECT_EQ(view.calls[1].rfind("fault:", 0), 0u);
  EXPECT_NE(view.calls[1].find(FaultName(ArithmeticFault::Overflow)), std::string::npos);

  // A high stack keeps the ground clean near the source; further out the
  // plume touches down and the value in micrograms leaves the float range.
  view = RecordingView{};
  EXPECT_EQ(Run(Texts("20", "1", "1000", "1e40"), StabilityClass::A), RunOutcome::Faulted);
  const std::string bytes = ReadBytes(file());
  const size_t rows = CountLines(bytes) - 1;
  EXPECT_GT(rows, 0u);
  EXPECT_LT(rows, 1194u);
  EXPECT_EQ(view.list.size(), rows + 1);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(view.calls.back().rfind("fault:", 0), 0u);

  // The file was closed: the next run rewrites it.
  view = RecordingView{};
  EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
}

}  // namespace
}  // namespace calc
