#include "calc/calculation_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/file_faults.h"
#include "tests/support/recording_view.h"
#include "tests/support/temp_dir.h"

namespace calc {
namespace {

namespace fs = std::filesystem;
using enum StabilityClass;
constexpr AreaType kUrban = AreaType::Urban, kRural = AreaType::Rural;
using testing_support::ReadBytes;
using Calls = std::vector<std::string>;

constexpr const char* kHeader = "\"X\",\"Y\",\"Disp\"\r\n";

InputTexts Texts(const char* distance, const char* windSpeed = "5", const char* stackHeight = "50",
                 const char* emissionRate = "1") {
  return {distance, windSpeed, stackHeight, emissionRate};
}

size_t CountLines(const std::string& bytes) {
  return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

class RunTest : public ::testing::Test {
 protected:
  fs::path file() const { return dir.path() / "yelduman.txt"; }
  RunOutcome Run(const InputTexts& texts, StabilityClass cls = D, AreaType area = kUrban,
                 const char* separator = ".") {
    view = testing_support::RecordingView{};
    view.separator = separator;
    return RunCalculation(texts, cls, area, view, file());
  }
  testing_support::TempDir dir;
  testing_support::RecordingView view;
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
  const Calls completed{"prepare", "completion:Hesaplama Sonucu YELDUMAN.TXT dosyasina yazdirildi",
                        "results"};
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
  ASSERT_EQ(Run(Texts("1"), D, kUrban, ","), RunOutcome::Completed);
  const std::string bytes = ReadBytes(file());
  EXPECT_EQ(bytes.substr(0, 40), std::string(kHeader) + "100,0,412.8\r\n100,100,0\r\n");
  EXPECT_NE(bytes.find("\r\n1000,0,3529.08\r\n"), std::string::npos);
  EXPECT_EQ(view.list.at(1), " 100\t 0\t412,8");
  EXPECT_EQ(view.list.at(55), " 1000\t 0\t3529,08");
}

// 10054.231 kg/s puts C at the first point on the single 17/4096 kg/m3, so
// the value is 4150390.625 micrograms, exactly halfway at two decimals: to
// even it is written 4150390, half away from zero it would be 4150391.
TEST_F(RunTest, HalfwayValueRoundsToEven) {
  ASSERT_EQ(Run(Texts("0.1", "5", "50", "10054.231")), RunOutcome::Completed);
  EXPECT_EQ(ReadBytes(file()), std::string(kHeader) +
                                   "100,0,4150390\r\n100,100,0.01\r\n100,200,0\r\n"
                                   "100,300,0\r\n100,400,0\r\n100,500,0\r\n");
}

// A refused run leaves the 16-byte header in place of the old results and
// shows the message of the first refused field only.
TEST_F(RunTest, RefusalLeavesTheHeaderAndShowsOneMessage) {
  const struct { InputTexts texts; const char* message; } cases[] = {
      {Texts(""), "Max. Uzaklik Degerine DIKKAT!!!"},
      {Texts("25", ""), "Max. Uzaklik Degerine DIKKAT!!!"},
      {Texts("20", ""), "Rüzgar Degerine DIKKAT!!!"},
      {Texts("20", "5", "abc"), "Baca Yükseklik Degerine DIKKAT!!!"},
      {Texts("20", "5", "50", "-1"), "Emisyon Çikis Degerine DIKKAT!!!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    ASSERT_EQ(Run(Texts("1")), RunOutcome::Completed);
    EXPECT_EQ(Run(c.texts), RunOutcome::Refused);
    EXPECT_EQ(ReadBytes(file()), kHeader);
    EXPECT_EQ(view.list, std::vector<std::string>{"X\tY\tDisp"});
    EXPECT_EQ(view.calls, (Calls{"prepare", "refusal:" + std::string(c.message)}));
  }
}

#ifndef _WIN32
// A results file that cannot be created (a directory in its place), a full
// disk that refuses the header, a file-size limit met part-way through the
// rows or only by the last buffer, flushed at close, and a close refused
// after every byte was written. Each is a fault report naming the file and
// the cause, never a completion or the results window; the list is prepared
// only once the header is on disk, no descriptor stays open on the file, and
// the next run completes.
TEST_F(RunTest, FileFaultsStopTheRun) {
  enum Stage { Directory, FullDisk, SizeLimit, CloseRefused };
  const std::string notCreated =
      "fault:Sonuç dosyası yelduman.txt oluşturulamadı.\n(bu adda bir klasör var)";
  const std::string notWritten = "fault:Sonuç dosyası yelduman.txt yazılamadı.\n";
  const std::string overLimit = notWritten + "(dosya boyutu sınırı aşıldı)";
  const struct {
    Stage stage; const char* xmax; rlim_t limit; Calls calls; size_t fewestRows, mostRows;
  } cases[] = {
      {Directory, "20", 0, {notCreated}, 0, 0},
      {Directory, "", 0, {notCreated}, 0, 0},
      {FullDisk, "0.05", 0, {notWritten + "(diskte yer kalmadı)"}, 0, 0},
      // The 22658 bytes of 20 km pass 10000 bytes while rows are still
      // coming, when stdio buffers (a block of the file system, 4 KiB on
      // most) are below 16 KiB; the 871 bytes of 1 km fit in one buffer, so
      // only the flush at close meets a limit of 100 bytes.
      {SizeLimit, "20", 10000, {"prepare", overLimit}, 1, 1193},
      {SizeLimit, "1", 100, {"prepare", overLimit}, 60, 60},
      {CloseRefused, "1", 0, {"prepare", notWritten + "(giriş/çıkış hatası)"}, 60, 60},
  };
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
      testing_support::RefuseNextFclose(c.stage == CloseRefused ? EIO : 0);
      EXPECT_EQ(Run(Texts(c.xmax)), RunOutcome::Faulted);
      testing_support::RefuseNextFclose(0);
    }
    EXPECT_EQ(view.calls, c.calls);
    const size_t rows = view.list.empty() ? 0 : view.list.size() - 1;
    EXPECT_GE(rows, c.fewestRows);
    EXPECT_LE(rows, c.mostRows);
    EXPECT_EQ(testing_support::DescriptorsOpenOn(file()), 0);
    fs::remove(file());
    EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
  }
}
#endif

// Absurd inputs that pass the checks: C or its value in micrograms leaves the
// single-precision range. The run stops at that point with a report naming
// the fault and the rows written; those rows stay in the file, whole.
TEST_F(RunTest, ArithmeticOverflowStopsTheRunWhereItOccurs) {
  const std::string report = "fault:Hesaplama aritmetik hata nedeniyle durduruldu: sayı taşması.\n";
  const struct {
    InputTexts texts; StabilityClass cls; AreaType area; size_t rows; const char* lastLine;
  } cases[] = {
      // A tiny wind makes C too large for a float at the first point, and
      // a huge stack (Z - H)^2 too large for a double.
      {Texts("20", "1e-30", "50", "1e40"), D, kUrban, 0, kHeader},
      {Texts("20", "5", "1e200", "1"), D, kUrban, 0, kHeader},
      // A high stack keeps the ground clean near the source; further out the
      // plume touches down and the value in micrograms leaves the float range.
      {Texts("20", "1", "1000", "1e40"), A, kUrban, 48, "\n800,500,2.029074E+37\r\n"},
      {Texts("20", "1", "1000", "1e40"), A, kRural, 36, "\n600,500,8.994186E+31\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rows);
    EXPECT_EQ(Run(c.texts, c.cls, c.area), RunOutcome::Faulted);
    EXPECT_EQ(view.calls, (Calls{"prepare", report + std::to_string(c.rows) + " satır dosyaya yazıldı."}));
    const std::string bytes = ReadBytes(file());
    EXPECT_TRUE(bytes.ends_with(c.lastLine));
    EXPECT_EQ(CountLines(bytes), 1 + c.rows);
    EXPECT_EQ(view.list.size(), 1 + c.rows);
  }
  // The file was closed: the next run rewrites it.
  EXPECT_EQ(Run(Texts("1")), RunOutcome::Completed);
  EXPECT_EQ(CountLines(ReadBytes(file())), 61u);
}

}  // namespace
}  // namespace calc
