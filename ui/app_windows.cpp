#include "ui/app_windows.h"

#include "calc/calculation_run.h"

namespace ui {
namespace {

// Creates the window on its first showing; later showings bring the same
// window to the front.
template <class Window>
Window& BringUp(std::unique_ptr<Window>& window) {
  if (!window) window = std::make_unique<Window>();
  window->bringUp();
  return *window;
}

}  // namespace

AppWindows::AppWindows() : runView_(&form1_, [this]() -> Form3& { return resultsWindow(); }) {
  QObject::connect(&form1_, &Form1::calculationRequested, &form1_, [this] { runCalculation(); });
  QObject::connect(&form1_, &Form1::tableRequested, &form1_, [this] { BringUp(form2_); });
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

void AppWindows::showReferences() {
  form1_.hide();
  const bool first = !form5_;
  Form5& form5 = BringUp(form5_);
  if (!first) return;
  QObject::connect(&form5, &Form5::ruralSigmaYRequested, &form5, [this] { BringUp(form6_); });
  QObject::connect(&form5, &Form5::ruralSigmaZRequested, &form5, [this] { BringUp(form7_); });
  QObject::connect(&form5, &Form5::urbanSpreadRequested, &form5, [this] { BringUp(form4_); });
  QObject::connect(&form5, &Form5::closeRequested, &form5, [this] { closeReferences(); });
}

void AppWindows::closeReferences() {
  form1_.show();
  form1_.raise();
  form1_.activateWindow();
  form5_->hide();
}

}  // namespace ui
