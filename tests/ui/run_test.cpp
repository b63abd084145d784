// HESAPLA end to end through the windows.
#include <cerrno>
#include <cstdio>
#include <string_view>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "testing/file_faults.h"
#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

using WindowRunTest = WindowTest;

TEST_F(WindowRunTest, TwentyKilometresInTurkishListWithCommasAndTheResultsShownAfterTheBox) {
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  type({"20", "5", "50", "1"});
  select("atmd");
  for (const SeenBox& box : pressHesapla({kCompleted})) {
    EXPECT_FALSE(box.resultsWindowVisible) << "shown before the box was dismissed";
  }

  ASSERT_TRUE(resultsWindow()->isVisible());
  EXPECT_EQ(listRows().size(), 1195);
  EXPECT_EQ(listRows().mid(0, 2), QStringList({"X\tY\tDisp", " 100\t 0\t412,8"}));
}

TEST_F(WindowRunTest, ResultsWindowKeepsTheLastRunsRowsAndComesBackWithEveryCompletedRun) {
  type({"1", "5", "50", "1"});
  pressHesapla({kCompleted});
  QWidget* results = resultsWindow();
  EXPECT_EQ(listRows().size(), 61);

  // A refusal while it is shown empties it down to the header row.
  mainControl<QLineEdit>("Mesafe")->setText("25");
  pressHesapla({calc::RefusedField{calc::InputField::Distance}});
  EXPECT_EQ(listRows(), QStringList{"X\tY\tDisp"});

  // The next run replaces the rows and brings the visible window forward.
  mainWindow().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
  mainControl<QLineEdit>("Mesafe")->setText("0.1");
  pressHesapla({kCompleted});
  EXPECT_TRUE(QTest::qWaitForWindowActive(results));
  EXPECT_EQ(listRows().size(), 7);
  EXPECT_EQ(takeWindowLog(), QStringList{"+Form3"});

  // Hidden with its rows; the next completed run shows it again. The main window never moves.
  expectCloseOnlyHides(results, "kapat", [this] {
    EXPECT_EQ(listRows().size(), 7);
    pressHesapla({kCompleted});
  });
}

// No results window, the list keeps the last run's rows unless the header reached the file,
// and the next run works without a restart (the inputs stay as typed, as after every run).
TEST_F(WindowTest, FaultsOneAfterAnotherInOneSession) {
  const QString dir = QDir::currentPath();
  const auto clear = [&] {  // also the last run's file: an existing one could still be rewritten
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().rmdir("yelduman.txt");
    QFile::remove("yelduman.txt");
  };
  using enum calc::FileFault::Step;
  // clang-format off
  const struct { std::string_view fault; QString emission; calc::RunMessage report; int rows; } cases[] = {  // -1: kept
      {"folder", "1", calc::FileFault{Create, EISDIR}, -1},
      // Rural B at 5 m/s and 50 m: the six rows of 0.1 km, then the value on
      // the axis at 0.2 km, in µg/m³, lies beyond the largest single.
      {"overflow", "1e36", calc::ArithmeticStop{calc::ArithmeticFault::Overflow, 6}, 7},
#ifndef _WIN32  // a folder's read-only mark does not stop writing into it on Windows
      // Root writes into any folder; the unprivileged run of this test meets this case for real.
      {"read-only folder", "1", calc::FileFault{Create, EACCES}, -1},
#endif
  };
  // clang-format on
  select("kir");
  select("atmb");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    type({"2", "5", "50", c.emission});
    clear();
    if (c.fault == "folder") QDir().mkdir("yelduman.txt");
#ifndef _WIN32
    if (c.fault == "read-only folder") {
      QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
      if (::access(dir.toLocal8Bit(), W_OK) == 0) {
        clear();
        std::printf("[ NOTE     ] %s: cannot be staged for this user, passed over\n",
                    c.fault.data());
        continue;
      }
    }
#endif
    const QStringList before = listRows();
    pressHesapla({c.report});
    clear();
    EXPECT_TRUE(c.rows < 0 ? listRows() == before : listRows().size() == c.rows)
        << listRows().size() << " rows in the list";
    EXPECT_TRUE(resultsWindow() == nullptr || !resultsWindow()->isVisible());

    mainControl<QLineEdit>("Em")->setText("1");
    pressHesapla({kCompleted});
    EXPECT_EQ(listRows().size(), 115);
    Find<QPushButton>(resultsWindow(), "kapat")->click();
  }
}

TEST_F(WindowRunTest, RefusalAndAFailedCloseShowTwoBoxesInOrder) {
#ifdef _WIN32
  GTEST_SKIP() << "the C library's fclose cannot be made to fail on Windows";
#else
  const testing_support::StdioRefusal refusal(testing_support::StdioCall::Fclose, 0, EIO);
#endif
  pressHesapla({calc::RefusedField{calc::InputField::Distance},
                calc::FileFault{calc::FileFault::Step::Write, EIO}});
}

// Once warm, twenty more 20 km runs leave resident memory where it was: a run that leaked its
// 1,195 rows (some 280 kB) would pass the limit five times over.
TEST_F(WindowRunTest, TwentyKilometreRunsKeepResidentMemoryFlat) {
#ifdef _WIN32
  GTEST_SKIP() << "resident memory is read from /proc; a leak in the rows shows on every system";
#elif defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's quarantine keeps freed memory resident on purpose";
#else
  const auto residentKilobytes = [] {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    return QRegularExpression("VmRSS:\\s*(\\d+)").match(status.readAll()).captured(1).toLong();
  };
  type({"20", "5", "50", "1"});
  long warmKilobytes = 0;
  for (int run = 0; run < 40; ++run) {
    if (run == 20) warmKilobytes = residentKilobytes();
    pressHesapla({kCompleted});
  }
  EXPECT_LE(residentKilobytes() - warmKilobytes, 1024);
#endif
}

}  // namespace
}  // namespace ui_testing
