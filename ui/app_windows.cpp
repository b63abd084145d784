#include "ui/app_windows.h"

#include "calc/calculation_run.h"
#include "ui/run_report_view.h"
#include "ui/window_setup.h"

namespace ui {
namespace {

// Creates the window on its first showing; later showings bring the same
// window to the front.
template <class Window>
Window& BringUpCreating(std::unique_ptr<Window>& window) {
  if (!window) window = std::make_unique<Window>();
  BringUp(window.get());
  return *window;
}

}  // namespace

AppWindows::AppWindows() {
  MainWindow* main = &mainWindow_;
  QObject::connect(main, &MainWindow::calculationRequested, main, [this] { runCalculation(); });
  QObject::connect(main, &MainWindow::tableRequested, main,
                   [this] { BringUpCreating(stabilityClassWindow_); });
  QObject::connect(main, &MainWindow::referencesRequested, main, [this] { showReferences(); });
}

AppWindows::~AppWindows() = default;

ResultsWindow& AppWindows::resultsWindow() {
  if (!resultsWindow_) resultsWindow_ = std::make_unique<ResultsWindow>();
  return *resultsWindow_;
}

void AppWindows::runCalculation() {
  const calc::RunReport report =
      calc::RunCalculation(mainWindow_.inputTexts(), mainWindow_.stabilityClass(),
                           mainWindow_.areaType(), ListDecimalSeparator());
  ShowRunReport(report, &mainWindow_, [this]() -> ResultsWindow& { return resultsWindow(); });
}

void AppWindows::showReferences() {
  mainWindow_.hide();
  const bool first = !referencesWindow_;
  ReferencesWindow& references = BringUpCreating(referencesWindow_);
  if (!first) return;
  ReferencesWindow* r = &references;
  QObject::connect(r, &ReferencesWindow::ruralSigmaYRequested, r,
                   [this] { BringUpCreating(ruralSigmaYWindow_); });
  QObject::connect(r, &ReferencesWindow::ruralSigmaZRequested, r,
                   [this] { BringUpCreating(ruralSigmaZWindow_); });
  QObject::connect(r, &ReferencesWindow::urbanSpreadRequested, r,
                   [this] { BringUpCreating(urbanSpreadWindow_); });
  QObject::connect(r, &ReferencesWindow::closeRequested, r, [this] { closeReferences(); });
}

void AppWindows::closeReferences() {
  BringUp(&mainWindow_);
  referencesWindow_->hide();
}

}  // namespace ui
