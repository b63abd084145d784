// Soak: many consecutive 20 km runs through the windows, as a student
// pressing HESAPLA all afternoon. Resident memory must not grow once the
// windows are warm; under the leak checker the process must end clean.
//
//   ui_soak [RUNS] [MAX_GROWTH_KB]      (default 1000 runs, 1024 KB)
//
// Prints the resident memory after the warm-up and at the end, and exits
// non-zero when the growth is larger than allowed or a run misbehaves.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/startup.h"
#include "tests/ui/quiet_offscreen.h"
#include "ui/app_windows.h"

namespace {

constexpr int kWarmUpRuns = 20;
constexpr int kRowsOfTwentyKilometres = 1195;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's quarantine keeps freed memory resident on purpose.
constexpr bool kMeasureResidentMemory = false;
#else
constexpr bool kMeasureResidentMemory = true;
#endif

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  ui_testing::UseQuietOffscreenPlatform();
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
  const long maxGrowthKb = argc > 2 ? std::atol(argv[2]) : 1024;
  app::SetUpApplication();

  QTemporaryDir workDir;
  if (!workDir.isValid() || !QDir::setCurrent(workDir.path())) return 2;

  int completions = 0;
  int otherBoxes = 0;
  {
    ui::AppWindows windows;
    ui::MainWindow& mainWindow = windows.mainWindow();
    mainWindow.show();
    // The completion box of every run is answered as soon as it is up.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      (box->windowTitle() == QLatin1String("IS TAMAM") ? completions : otherBoxes) += 1;
      box->button(QMessageBox::Ok)->click();
    });
    answer.start(0);

    const auto box = [&](const char* name) {
      return mainWindow.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    box("Mesafe")->setText("20");
    box("Rzg")->setText("5");
    box("Bc")->setText("50");
    box("Em")->setText("1");
    QPushButton* calculate = mainWindow.findChild<QPushButton*>(QStringLiteral("hesap"));
    long warmKb = 0;
    for (int i = 0; i < runs; ++i) {
      if (i == kWarmUpRuns) warmKb = ResidentKilobytes();
      calculate->click();
      const auto* list =
          windows.resultsWindowIfCreated()->findChild<QListWidget*>(QStringLiteral("List1"));
      if (list->count() != kRowsOfTwentyKilometres) {
        std::fprintf(stderr, "run %d: the list does not hold 1195 rows\n", i + 1);
        return 1;
      }
    }
    const long endKb = ResidentKilobytes();
    std::printf("%d runs: resident memory %ld KB after %d runs, %ld KB at the end\n", runs, warmKb,
                kWarmUpRuns, endKb);
    if (completions != runs || otherBoxes != 0) {
      std::fprintf(stderr, "%d completion boxes and %d others for %d runs\n", completions,
                   otherBoxes, runs);
      return 1;
    }
    if (kMeasureResidentMemory && runs > kWarmUpRuns && endKb - warmKb > maxGrowthKb) {
      std::fprintf(stderr, "resident memory grew by %ld KB\n", endKb - warmKb);
      return 1;
    }
  }
  QDir::setCurrent(QDir::tempPath());
  return 0;
}
