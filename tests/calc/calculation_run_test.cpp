#include "calc/calculation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "calc/user_messages.h"
#include "testing/file_faults.h"
#include "testing/temp_dir.h"

namespace calc {

void PrintTo(const RunMessage& m, std::ostream* os) { *os << MessageText(m); }

namespace {

namespace fs = std::filesystem;
using enum StabilityClass;
constexpr AreaType kUrban = AreaType::Urban, kRural = AreaType::Rural;
using testing_support::ReadBytes;
using Messages = std::vector<RunMessage>;

constexpr const char* kHeader = "\"X\",\"Y\",\"Disp\"\r\n";
const RunMessage kCompleted = Completion{};

InputTexts Texts(const char* distance, const char* windSpeed = "5", const char* stackHeight = "50",
                 const char* emissionRate = "1") {
  return {distance, windSpeed, stackHeight, emissionRate};
}

int CountLines(const std::string& bytes) { return int(std::ranges::count(bytes, '\n')); }

class RunTest : public ::testing::Test {
 protected:
  fs::path file() const { return dir.path() / "yelduman.txt"; }
  RunOutcome Run(const InputTexts& texts, StabilityClass cls = D, AreaType area = kUrban) {
    report = RunCalculation(texts, cls, area, ".", file());
    return report.outcome;
  }
  testing_support::TempDir dir;
  RunReport report;
};

// On Windows only a wide path keeps the folder's name; a garbled one does not exist.
TEST_F(RunTest, AbsolutePathInAFolderNamedInTurkish) {
  const fs::path folder = fs::absolute(dir.path() / fs::path(u8"Öğrenci Çalışmaları"));
  fs::create_directory(folder);
  ASSERT_EQ(RunCalculation(Texts("0.1"), D, kUrban, ".", folder / "yelduman.txt").outcome,
            RunOutcome::Completed);
  EXPECT_EQ(CountLines(ReadBytes(folder / "yelduman.txt")), 7);
}

#ifndef _WIN32
// The file whose lines the list's rows (with a period) show: " X\t Y\tDisp" is "X,Y,Disp" CR LF.
std::string FileOfList(std::string_view rows) {
  std::string file = kHeader;
  for (const char c : rows) {
    if (c == '\t') file += ',';
    else if (c == '\n') file += "\r\n";
    else if (c != ' ') file += c;
  }
  return file;
}

// Never a completion or the results window; the list keeps its rows when the
// header never reached the file, and otherwise holds the rows the file took,
// no more; no descriptor stays open, and the next run completes.
TEST_F(RunTest, FileFaultsStopTheRun) {
  using testing_support::StdioCall;
  using enum StdioCall;
  constexpr ListChange kKept = ListChange::Kept, kRows = ListChange::HeaderAndRows;
  using enum FileFault::Step;
  const RunMessage notCreated = FileFault{Create, EISDIR}, overLimit = FileFault{Write, EFBIG},
                   fullDisk = FileFault{Write, ENOSPC}, ioError = FileFault{Write, EIO};
  // The file is a folder or /dev/full, or one stdio call, after `before` of its kind, is refused:
  // the 31st write (the header, then 30 rows), or the last flush, which alone meets the rows.
  // clang-format off
  const struct {
    const char* stage; const char* xmax; StdioCall call; int before, err;
    Messages messages; ListChange list; int rows;
  } cases[] = {
      {"folder", "20", Fwrite, 0, 0, {notCreated}, kKept, 0},
      {"folder", "", Fwrite, 0, 0, {notCreated}, kKept, 0},
      {"/dev/full", "0.05", Fwrite, 0, 0, {fullDisk}, kKept, 0},
      {"write", "20", Fwrite, 1 + 30, ENOSPC, {fullDisk}, kRows, 30},
      {"last flush", "1", Fflush, 1, EFBIG, {overLimit}, kRows, 60},
      {"close", "1", Fclose, 0, EIO, {ioError}, kRows, 60},
      {"close", "", Fclose, 0, EIO, {RefusedField{InputField::Distance}, ioError},
       ListChange::HeaderOnly, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stage << " " << c.xmax);
    fs::remove(file());
    const std::string_view stage = c.stage;
    if (stage == "/dev/full" && !fs::exists("/dev/full")) continue;
    if (stage == "/dev/full") fs::create_symlink("/dev/full", file());
    if (stage == "folder") fs::create_directory(file());
    {
      const testing_support::StdioRefusal refusal(c.call, c.before, c.err);
      EXPECT_EQ(Run(Texts(c.xmax)), RunOutcome::Faulted);
    }
    EXPECT_EQ(report.messages, c.messages);
    EXPECT_EQ(report.list, c.list);
    EXPECT_EQ(report.rowCount(), c.rows);
    if (c.err != 0) {
      EXPECT_EQ(ReadBytes(file()), FileOfList(report.rows));
    }
    EXPECT_EQ(testing_support::DescriptorsOpenOn(file()), 0);
    fs::remove(file());
    EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
  }
}
#else
TEST_F(RunTest, FileFaultsStopTheRun) {
  GTEST_SKIP() << "the faults are staged with a full device and a refused write, flush or "
                  "close of the C library, none of which Windows has";
}
#endif

// C or its value in micrograms leaves the float range; the report counts the rows written.
TEST_F(RunTest, ArithmeticOverflowStopsTheRunWhereItOccurs) {
  // clang-format off
  const struct { InputTexts texts; StabilityClass cls; AreaType area; int rows; } cases[] = {
      // A tiny wind makes C too large for a float at the first point, and
      // a huge stack (Z - H)^2 too large for a double.
      {Texts("20", "1e-30", "50", "1e40"), D, kUrban, 0},
      {Texts("20", "5", "1e200", "1"), D, kUrban, 0},
      // A high stack keeps the ground clean near the source; further out the
      // plume touches down and the value in micrograms leaves the float range.
      {Texts("20", "1", "1000", "1e40"), A, kUrban, 48},
      {Texts("20", "1", "1000", "1e40"), A, kRural, 36},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rows);
    EXPECT_EQ(Run(c.texts, c.cls, c.area), RunOutcome::Faulted);
    EXPECT_EQ(report.messages, (Messages{ArithmeticStop{ArithmeticFault::Overflow, c.rows}}));
    EXPECT_EQ(CountLines(ReadBytes(file())), 1 + c.rows);
    EXPECT_EQ(report.list, ListChange::HeaderAndRows);
    EXPECT_EQ(report.rowCount(), c.rows);
  }
  // The file was closed: the next run rewrites it.
  EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
  EXPECT_EQ(report.messages, Messages{kCompleted});
  EXPECT_EQ(CountLines(ReadBytes(file())), 61);
}

}  // namespace
}  // namespace calc
