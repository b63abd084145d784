#include "ui/app_windows.h"

#include "calc/calculation_run.h"

namespace ui {

AppWindows::AppWindows() : runView_(&form1_, [this]() -> Form3& { return resultsWindow(); }) {
  QObject::connect(&form1_, &Form1::calculationRequested, &form1_, [this] { runCalculation(); });
  QObject::connect(&form1_, &Form1::tableRequested, &form1_, [this] { showTable(); });
  QObject::connect(&form1_, &Form1::referencesRequested, &form1_, [this] { showReferences(); });
}

AppWindows::~AppWindows() = default;

Form3& AppWindows::resultsWindow() {
  if (!form3_) form3_ = std::make_unique<Form3>();
  return *form3_;
}

void AppWindows::runCalculation() {
  calc::RunCalculation(form1_.inputTexts(), form1_.stabilityClass(), form1_.areaType(),
                       runView_);
}

void AppWindows::showTable() {}

void AppWindows::showReferences() {}

}  // namespace ui
