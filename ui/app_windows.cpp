#include "ui/app_windows.h"

#include "calc/calculation_run.h"
#include "ui/controls.h"
#include "ui/picture_window_layouts.h"
#include "ui/run_report_view.h"

namespace ui {
namespace {

// Creates the window on its first showing, from `made` (a table window's
// layout); later showings bring the same window to the front.
template <class Window, class... MadeFrom>
Window& BringUpCreating(std::unique_ptr<Window>& window, const MadeFrom&... made) {
  if (!window) window = std::make_unique<Window>(made...);
  BringUp(window.get());
  return *window;
}

}  // namespace

AppWindows::AppWindows() {
  MainWindow* main = &mainWindow_;
  QObject::connect(main, &MainWindow::calculationRequested, main, [this] { runCalculation(); });
  QObject::connect(main, &MainWindow::tableRequested, main, [this] {
    BringUpCreating(stabilityClassWindow_, stability_class_window_layout::kTable);
  });
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
  QObject::connect(r, &ReferencesWindow::ruralSigmaYRequested, r, [this] {
    BringUpCreating(ruralSigmaYWindow_, rural_sigma_y_window_layout::kTable);
  });
  QObject::connect(r, &ReferencesWindow::ruralSigmaZRequested, r, [this] {
    BringUpCreating(ruralSigmaZWindow_, rural_sigma_z_window_layout::kTable);
  });
  QObject::connect(r, &ReferencesWindow::urbanSpreadRequested, r, [this] {
    BringUpCreating(urbanSpreadWindow_, urban_spread_window_layout::kTable);
  });
  QObject::connect(r, &ReferencesWindow::closeRequested, r, [this] { closeReferences(); });
}

void AppWindows::closeReferences() {
  BringUp(&mainWindow_);
  referencesWindow_->hide();
}

}  // namespace ui
