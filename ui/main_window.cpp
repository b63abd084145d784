#include "ui/main_window.h"

#include <limits>

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/controls.h"
#include "ui/frame_box.h"
#include "ui/main_window_layout.h"

namespace ui {
namespace {

// Labels keep their text at the top of their box and wrap only when asked.
QLabel* MakeLabel(QWidget* parent, const LayoutRow& row, bool wrap = false) {
  auto* label = MakeControl<QLabel>(parent, row);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(wrap);
  return label;
}

// A single-line box that takes any text of any length; only the run's
// check judges it. The label names the box for screen readers.
QLineEdit* MakeTextBox(QWidget* parent, const LayoutRow& row, QLabel* label) {
  auto* box = MakeControl<QLineEdit>(parent, row);
  box->setMaxLength(std::numeric_limits<int>::max());
  label->setBuddy(box);
  return box;
}

// An option button inside its frame; the group keeps exactly one selected.
// A class's button carries its class as its id, which the run reads.
QRadioButton* MakeOption(QWidget* frame, QButtonGroup* group, const LayoutRow& row, int id = -1) {
  auto* option = MakeControl<QRadioButton>(frame, row);
  group->addButton(option, id);
  return option;
}

}  // namespace

namespace layout = main_window_layout;

// Its icon, the stack, is the application's (app/startup.cpp).
MainWindow::MainWindow() {
  SetUpWindow(this, layout::kWindow);
  createControls();
  chainTabOrder();

  connect(calculateButton_, &QPushButton::clicked, this, &MainWindow::calculationRequested);
  connect(tableButton_, &QPushButton::clicked, this, &MainWindow::tableRequested);
  connect(referencesButton_, &QPushButton::clicked, this, &MainWindow::referencesRequested);
  connect(exitButton_, &QPushButton::clicked, this, [] { EndProgram(); });

  selectStartingState();
}

void MainWindow::createControls() {
  MakeLabel(this, layout::kHeadingRow);
  QLabel* prompt = MakeLabel(this, layout::kDistancePromptRow);
  distanceBox_ = MakeTextBox(this, layout::kDistanceBoxRow, prompt);
  prompt = MakeLabel(this, layout::kWindSpeedPromptRow);
  windSpeedBox_ = MakeTextBox(this, layout::kWindSpeedBoxRow, prompt);
  prompt = MakeLabel(this, layout::kStackHeightPromptRow);
  stackHeightBox_ = MakeTextBox(this, layout::kStackHeightBoxRow, prompt);
  prompt = MakeLabel(this, layout::kEmissionRatePromptRow);
  emissionRateBox_ = MakeTextBox(this, layout::kEmissionRateBoxRow, prompt);

  auto* areaFrame = MakeControl<FrameBox>(this, layout::kAreaFrameRow);
  areaGroup_ = new QButtonGroup(areaFrame);
  ruralOption_ = MakeOption(areaFrame, areaGroup_, layout::kRuralOptionRow);
  urbanOption_ = MakeOption(areaFrame, areaGroup_, layout::kUrbanOptionRow);

  auto* classFrame = MakeControl<FrameBox>(this, layout::kClassFrameRow);
  classGroup_ = new QButtonGroup(classFrame);
  using calc::StabilityClass;
  classA_ = MakeOption(classFrame, classGroup_, layout::kClassARow, int(StabilityClass::A));
  classB_ = MakeOption(classFrame, classGroup_, layout::kClassBRow, int(StabilityClass::B));
  classC_ = MakeOption(classFrame, classGroup_, layout::kClassCRow, int(StabilityClass::C));
  classD_ = MakeOption(classFrame, classGroup_, layout::kClassDRow, int(StabilityClass::D));
  classE_ = MakeOption(classFrame, classGroup_, layout::kClassERow, int(StabilityClass::E));
  classF_ = MakeOption(classFrame, classGroup_, layout::kClassFRow, int(StabilityClass::F));

  MakeLabel(this, layout::kGridNoteRow, /*wrap=*/true);
  tableButton_ = MakeCommand(this, layout::kTableButtonRow);
  calculateButton_ = MakeCommand(this, layout::kCalculateButtonRow);
  exitButton_ = MakeCommand(this, layout::kExitButtonRow);
  referencesButton_ = MakeCommand(this, layout::kReferencesButtonRow);
}

// Tab goes from the distance box straight to HESAPLA, then the other
// commands, the classes, the other three boxes and the areas, and ends on
// KAYNAKLAR. Each option group is one stop, on its selected button.
void MainWindow::chainTabOrder() {
  QWidget* const order[] = {distanceBox_,     calculateButton_, exitButton_,   tableButton_,
                            classA_,          classB_,          classC_,       classD_,
                            classE_,          classF_,          windSpeedBox_, stackHeightBox_,
                            emissionRateBox_, urbanOption_,     ruralOption_,  referencesButton_};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// A fresh window: class A, then the urban area; the boxes stay empty and
// the distance box has the focus.
void MainWindow::selectStartingState() {
  classA_->setChecked(true);
  urbanOption_->setChecked(true);
  distanceBox_->setFocus(Qt::OtherFocusReason);
}

calc::InputTexts MainWindow::inputTexts() const {
  return {distanceBox_->text().toStdString(), windSpeedBox_->text().toStdString(),
          stackHeightBox_->text().toStdString(), emissionRateBox_->text().toStdString()};
}

calc::StabilityClass MainWindow::stabilityClass() const {
  return static_cast<calc::StabilityClass>(classGroup_->checkedId());
}

calc::AreaType MainWindow::areaType() const {
  return urbanOption_->isChecked() ? calc::AreaType::Urban : calc::AreaType::Rural;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  EndProgram();
}

void EndProgram() { QCoreApplication::exit(0); }

}  // namespace ui
