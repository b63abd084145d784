#include "calc/calculation_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calc/results_format.h"
#include "testing/file_faults.h"
#include "testing/temp_dir.h"

namespace calc {

void PrintTo(const RunMessage& m, std::ostream* os) { *os << int(m.kind) << ":" << m.text; }

namespace {

namespace fs = std::filesystem;
using enum StabilityClass;
using Kind = RunMessage::Kind;
constexpr AreaType kUrban = AreaType::Urban, kRural = AreaType::Rural;
using testing_support::ReadBytes;
using Messages = std::vector<RunMessage>;

constexpr const char* kHeader = "\"X\",\"Y\",\"Disp\"\r\n";
const RunMessage kCompleted{Kind::Completion, "Hesaplama Sonucu YELDUMAN.TXT dosyasina yazdirildi"};

InputTexts Texts(const char* distance, const char* windSpeed = "5", const char* stackHeight = "50",
                 const char* emissionRate = "1") {
  return {distance, windSpeed, stackHeight, emissionRate};
}

size_t CountLines(const std::string& bytes) { return std::ranges::count(bytes, '\n'); }

class RunTest : public ::testing::Test {
 protected:
  fs::path file() const { return dir.path() / "yelduman.txt"; }
  RunOutcome Run(const InputTexts& texts, StabilityClass cls = D, AreaType area = kUrban) {
    report = RunCalculation(texts, cls, area, file());
    return report.outcome;
  }
  testing_support::TempDir dir;
  RunReport report;
};

// Nothing goes to a garbled folder beside it (names compared as UTF-8 bytes,
// which GoogleTest can print); on Windows only a wide path keeps the name.
TEST_F(RunTest, AbsolutePathInAFolderNamedInTurkish) {
  const fs::path folder = fs::absolute(dir.path() / fs::path(u8"Öğrenci Çalışmaları"));
  fs::create_directory(folder);
  ASSERT_EQ(RunCalculation(Texts("0.1"), D, kUrban, folder / "yelduman.txt").outcome,
            RunOutcome::Completed);
  EXPECT_EQ(CountLines(ReadBytes(folder / "yelduman.txt")), 7u);
  std::string names;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    const std::u8string name = entry.path().filename().u8string();
    names.append(name.begin(), name.end()).append("|");
  }
  const std::u8string expected = u8"Öğrenci Çalışmaları|";
  EXPECT_EQ(names, std::string(expected.begin(), expected.end()));
}

#ifndef _WIN32
// Never a completion or the results window; the list keeps its rows when the
// header never reached the file, and otherwise holds the rows the file took,
// no more; no descriptor stays open, and the next run completes.
TEST_F(RunTest, FileFaultsStopTheRun) {
  enum Stage { Directory, FullDisk, SizeLimit, WriteRefused, CloseRefused };
  constexpr ListChange kKept = ListChange::Kept, kRows = ListChange::HeaderAndRows;
  const RunMessage notCreated{
      Kind::Fault, "Sonuç dosyası yelduman.txt oluşturulamadı.\n(bu adda bir klasör var)"};
  const std::string notWritten = "Sonuç dosyası yelduman.txt yazılamadı.\n";
  const RunMessage overLimit{Kind::Fault, notWritten + "(dosya boyutu sınırı aşıldı)"};
  const RunMessage fullDisk{Kind::Fault, notWritten + "(diskte yer kalmadı)"};
  const RunMessage ioError{Kind::Fault, notWritten + "(giriş/çıkış hatası)"};
  // clang-format off
  const struct {
    Stage stage; const char* xmax; int limit; Messages messages; ListChange list; size_t fewestRows, mostRows;
  } cases[] = {
      {Directory, "20", 0, {notCreated}, kKept, 0, 0},
      {Directory, "", 0, {notCreated}, kKept, 0, 0},
      {FullDisk, "0.05", 0, {fullDisk}, kKept, 0, 0},
      // The 22658 bytes of 20 km pass 10000 while rows are still coming when
      // stdio buffers (a file system block, mostly 4 KiB) are below 16 KiB; the
      // 871 bytes of 1 km fit in one, so only the flush at close meets 100.
      {SizeLimit, "20", 10000, {overLimit}, kRows, 1, 1193},
      {SizeLimit, "1", 100, {overLimit}, kRows, 60, 60},
      // The header, then 30 rows; the 31st write is refused.
      {WriteRefused, "20", 1 + 30, {fullDisk}, kRows, 30, 30},
      {CloseRefused, "1", 0, {ioError}, kRows, 60, 60},
      {CloseRefused, "", 0, {{Kind::Refusal, "Max. Uzaklik Degerine DIKKAT!!!"}, ioError}, ListChange::HeaderOnly, 0, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stage << " " << c.xmax);
    fs::remove(file());
    if (c.stage == FullDisk && !fs::exists("/dev/full")) continue;
    struct stat fileSystem {};
    stat(dir.path().c_str(), &fileSystem);
    if (c.stage == SizeLimit && c.mostRows < 1194 && fileSystem.st_blksize > 16384) continue;
    if (c.stage == FullDisk) fs::create_symlink("/dev/full", file());
    if (c.stage == Directory) fs::create_directory(file());
    {
      std::optional<testing_support::FileSizeLimit> limit;
      if (c.stage == SizeLimit) limit.emplace(c.limit);
      testing_support::RefuseFwrite(c.limit, c.stage == WriteRefused ? ENOSPC : 0);
      testing_support::RefuseNextFclose(c.stage == CloseRefused ? EIO : 0);
      EXPECT_EQ(Run(Texts(c.xmax)), RunOutcome::Faulted);
      testing_support::RefuseFwrite(0, 0);
      testing_support::RefuseNextFclose(0);
    }
    EXPECT_EQ(report.messages, c.messages);
    EXPECT_EQ(report.list, c.list);
    EXPECT_GE(report.rows.size(), c.fewestRows);
    EXPECT_LE(report.rows.size(), c.mostRows);
    if (c.stage == WriteRefused || c.stage == CloseRefused) {
      std::string written = kHeader;
      for (const ResultRow& row : report.rows) written += FileRowLine(row);
      EXPECT_EQ(ReadBytes(file()), written);
    }
    EXPECT_EQ(testing_support::DescriptorsOpenOn(file()), 0);
    fs::remove(file());
    EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
  }
}
#else
TEST_F(RunTest, FileFaultsStopTheRun) {
  GTEST_SKIP() << "the faults are staged with a full device, a file-size limit and a refused "
                  "close or write of the C library, none of which Windows has";
}
#endif

// C or its value in micrograms leaves the float range; the report counts the rows written.
TEST_F(RunTest, ArithmeticOverflowStopsTheRunWhereItOccurs) {
  const std::string overflow = "Hesaplama aritmetik hata nedeniyle durduruldu: sayı taşması.\n";
  // clang-format off
  const struct { InputTexts texts; StabilityClass cls; AreaType area; size_t rows; } cases[] = {
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
    EXPECT_EQ(
        report.messages,
        (Messages{{Kind::Fault, overflow + std::to_string(c.rows) + " satır dosyaya yazıldı."}}));
    EXPECT_EQ(CountLines(ReadBytes(file())), 1 + c.rows);
    EXPECT_EQ(report.list, ListChange::HeaderAndRows);
    EXPECT_EQ(report.rows.size(), c.rows);
  }
  // The file was closed: the next run rewrites it.
  EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
  EXPECT_EQ(report.messages, Messages{kCompleted});
  EXPECT_EQ(CountLines(ReadBytes(file())), 61u);
}

}  // namespace
}  // namespace calc
