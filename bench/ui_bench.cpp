// Speed and memory of the program as a user meets it, offscreen. Targets on
// a 2-core machine:
//   HESAPLA with 20 km, from the click to the results window shown with its
//   1195 rows (the completion box answered at once): at most 20 ms;
//   start of the program to the main window's first paint: at most 8 ms over
//   a bare Qt Widgets window with one label, measured alongside to its first
//   paint (over_bare_ms; the label makes the bare window load the font
//   database too);
//   peak memory of the program after a 20 km run: at most 40 MB.
// Start and memory are measured on fresh processes of this executable,
// started in a mode that behaves as the program does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/startup.h"
#include "testing/windows.h"
#include "ui/app_windows.h"

namespace {

using testing_support::BoxAnswerer;
using testing_support::Find;
using testing_support::TopLevel;

void TypeTwentyKilometres(const ui::MainWindow& mainWindow) {
  Find<QLineEdit>(&mainWindow, "Mesafe")->setText(QStringLiteral("20"));
  Find<QLineEdit>(&mainWindow, "Rzg")->setText(QStringLiteral("5"));
  Find<QLineEdit>(&mainWindow, "Bc")->setText(QStringLiteral("50"));
  Find<QLineEdit>(&mainWindow, "Em")->setText(QStringLiteral("1"));
}

// The rows of the results window's list; -1 while the window is not shown.
int ShownResultRows() {
  const QWidget* results = TopLevel("Form3");
  if (results == nullptr || !results->isVisible()) return -1;
  return Find<QListWidget>(results, "List1")->count();
}

long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// ---- child processes -------------------------------------------------------

// Notes the first paint event of the watched window.
class PaintWatch final : public QObject {
 public:
  bool painted() const { return painted_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted_ = true;
    return false;
  }

 private:
  bool painted_ = false;
};

// Shows the window and returns once its first paint is done: the window and
// all its controls are drawn and flushed in the one expose that delivers
// the paint event, so the event loop comes back only after all of it.
void ShowAndPaint(QWidget& window) {
  PaintWatch watch;
  window.installEventFilter(&watch);
  window.show();
  while (!watch.painted()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  window.removeEventFilter(&watch);
}

void ReportPainted() {
  std::puts("painted");
  std::fflush(stdout);
}

// "painted" on stdout once the main window (or a bare window with one label)
// has been painted; with "run", a 20 km run follows and the peak memory is
// printed.
int Child(int argc, char* argv[], const std::string& mode) {
  QApplication application(argc, argv);
  if (mode == "bare") {
    QWidget window;
    window.resize(447, 293);
    QLabel label(QStringLiteral("Yelduman"), &window);
    ShowAndPaint(window);
    ReportPainted();
    std::_Exit(0);
  }
  app::SetUpApplication();
  ui::AppWindows windows;
  ShowAndPaint(windows.mainWindow());
  ReportPainted();
  if (mode == "run") {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    BoxAnswerer answer;
    TypeTwentyKilometres(windows.mainWindow());
    Find<QPushButton>(&windows.mainWindow(), "hesap")->click();
    QCoreApplication::processEvents();
    std::printf("%d %ld\n", ShownResultRows(), PeakResidentKiB());
    std::fflush(stdout);
  }
  std::_Exit(0);
}

// Milliseconds from starting a child until it reports its window painted;
// negative when it never does.
double MillisecondsToFirstPaint(const char* mode) {
  QProcess child;
  const auto start = std::chrono::steady_clock::now();
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode});
  if (!child.waitForReadyRead(10000)) return -1;
  const auto painted = std::chrono::steady_clock::now();
  child.waitForFinished(10000);
  return std::chrono::duration<double, std::milli>(painted - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Each iteration starts the program and a bare window with one label, one
// right after the other, first one then the other by turns. The time is the
// program's; over_bare_ms is the median of the pairs' differences, which
// other work on the machine sways less than either time alone.
void StartToFirstPaint(benchmark::State& state) {
  std::vector<double> program, bare, over;
  for (auto _ : state) {
    const bool bareFirst = program.size() % 2 == 1;
    const double before = MillisecondsToFirstPaint(bareFirst ? "bare" : "start");
    const double after = MillisecondsToFirstPaint(bareFirst ? "start" : "bare");
    if (before < 0 || after < 0) {
      state.SkipWithError("a child painted no window");
      break;
    }
    program.push_back(bareFirst ? after : before);
    bare.push_back(bareFirst ? before : after);
    over.push_back(program.back() - bare.back());
    state.SetIterationTime(program.back() / 1000);
  }
  state.counters["program_ms"] = Median(program);
  state.counters["bare_ms"] = Median(bare);
  state.counters["over_bare_ms"] = Median(over);
}

void PeakMemoryAfterTwentyKilometres(benchmark::State& state) {
  for (auto _ : state) {
    QProcess child;
    const auto start = std::chrono::steady_clock::now();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), "run"});
    child.waitForFinished(20000);
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    const QList<QByteArray> figures = lines.last().split(' ');
    if (lines.size() != 2 || figures.size() != 2 || figures[0] != "1195") {
      state.SkipWithError("the child's run did not complete");
      break;
    }
    state.counters["peak_MB"] = figures[1].toDouble() / 1024.0;
  }
}

// ---- in this process -------------------------------------------------------

void Hesapla20km(benchmark::State& state) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  BoxAnswerer answer;
  {
    ui::AppWindows windows;
    ui::MainWindow& mainWindow = windows.mainWindow();
    mainWindow.show();
    TypeTwentyKilometres(mainWindow);
    QPushButton* calculate = Find<QPushButton>(&mainWindow, "hesap");
    for (auto _ : state) {
      state.PauseTiming();
      if (QWidget* results = TopLevel("Form3")) results->hide();
      answer.take();
      QCoreApplication::processEvents();
      state.ResumeTiming();

      calculate->click();
      QCoreApplication::processEvents();  // the results window drawn

      state.PauseTiming();
      if (ShownResultRows() != 1195) {
        state.SkipWithError("the run did not show 1195 rows");
        break;
      }
      state.ResumeTiming();
    }
  }
  QDir::setCurrent(previous);
}

BENCHMARK(Hesapla20km)->Unit(benchmark::kMillisecond);
BENCHMARK(StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(PeakMemoryAfterTwentyKilometres)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc > 2 && std::strcmp(argv[1], "--child") == 0) return Child(argc, argv, argv[2]);

  QApplication application(argc, argv);
  app::SetUpApplication();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
