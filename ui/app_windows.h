#pragma once
// The program's windows. The main window exists from the start; every other
// window is created on first need and then kept, hidden or shown, until the
// program ends.
#include <memory>

#include "ui/main_window.h"
#include "ui/results_window.h"
#include "ui/window_run_view.h"

namespace ui {

class AppWindows {
 public:
  AppWindows();
  ~AppWindows();
  AppWindows(const AppWindows&) = delete;
  AppWindows& operator=(const AppWindows&) = delete;

  Form1& mainWindow() { return form1_; }
  // The results window, created hidden the first time it is asked for.
  Form3& resultsWindow();
  // Null until a run has needed it.
  Form3* resultsWindowIfCreated() const { return form3_.get(); }

 private:
  // HESAPLA: one whole run, in line, from the main window's inputs.
  void runCalculation();
  // TABLO: the stability-class table window comes with the auxiliary windows.
  void showTable();
  // KAYNAKLAR: the references window comes with the auxiliary windows; until
  // then the main window stays, since nothing could bring it back.
  void showReferences();

  Form1 form1_;
  std::unique_ptr<Form3> form3_;
  WindowRunView runView_;
  // The auxiliary windows (Form2, Form4 to Form7) join here, each created
  // on first show.
};

}  // namespace ui
