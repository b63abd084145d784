#pragma once
// The program's windows. The main window exists from the start; every other
// window is created on first need and then kept, hidden or shown, until the
// program ends.
#include <memory>

#include "ui/main_window.h"
#include "ui/references_window.h"
#include "ui/results_window.h"
#include "ui/table_windows.h"
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
  // The reference windows, each null until first shown.
  Form2* tableWindowIfCreated() const { return form2_.get(); }
  Form5* referencesWindowIfCreated() const { return form5_.get(); }
  Form6* ruralSigmaYWindowIfCreated() const { return form6_.get(); }
  Form7* ruralSigmaZWindowIfCreated() const { return form7_.get(); }
  Form4* urbanSpreadWindowIfCreated() const { return form4_.get(); }

 private:
  // HESAPLA: one whole run, in line, from the main window's inputs.
  void runCalculation();
  // KAYNAKLAR: the main window gives way to the references window.
  void showReferences();
  // K A P A T on the references window: the main window comes back first,
  // then the references window goes; the coefficient tables stay as they are.
  void closeReferences();

  Form1 form1_;
  std::unique_ptr<Form3> form3_;
  WindowRunView runView_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form5> form5_;
  std::unique_ptr<Form6> form6_;
  std::unique_ptr<Form7> form7_;
  std::unique_ptr<Form4> form4_;
};

}  // namespace ui
