#pragma once
// The program's windows. The main window exists from the start; every other
// window is created on first need and then kept, hidden or shown, until the
// program ends.
#include <memory>

#include "ui/main_window.h"
#include "ui/references_window.h"
#include "ui/results_window.h"
#include "ui/table_window.h"

namespace ui {

class AppWindows {
 public:
  AppWindows();
  ~AppWindows();
  AppWindows(const AppWindows&) = delete;
  AppWindows& operator=(const AppWindows&) = delete;

  MainWindow& mainWindow() { return mainWindow_; }

 private:
  // The results window, created hidden the first time it is asked for.
  ResultsWindow& resultsWindow();
  // HESAPLA: one whole run, in line, from the main window's inputs.
  void runCalculation();
  // KAYNAKLAR: the main window gives way to the references window.
  void showReferences();
  // K A P A T on the references window: the main window comes back first,
  // then the references window goes; the coefficient tables stay as they are.
  void closeReferences();

  MainWindow mainWindow_;
  std::unique_ptr<ResultsWindow> resultsWindow_;
  std::unique_ptr<TableWindow> stabilityClassWindow_;
  std::unique_ptr<ReferencesWindow> referencesWindow_;
  std::unique_ptr<TableWindow> ruralSigmaYWindow_;
  std::unique_ptr<TableWindow> ruralSigmaZWindow_;
  std::unique_ptr<TableWindow> urbanSpreadWindow_;
};

}  // namespace ui
