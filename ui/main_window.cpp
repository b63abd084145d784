#include "ui/main_window.h"

#include <limits>

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/frame_box.h"
#include "ui/main_window_layout.h"
#include "ui/window_icon.h"

namespace ui {
namespace {

// Labels keep their text at the top of their box and never wrap unless the
// design says so.
QLabel* MakeLabel(QWidget* parent, const ControlSpec& row, bool wrap = false) {
  auto* label = MakeControl<QLabel>(parent, row);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(wrap);
  return label;
}

// A single-line box that takes any text of any length; only the run's
// check judges it. The label names the box for screen readers.
QLineEdit* MakeTextBox(QWidget* parent, const ControlSpec& row, QLabel* label) {
  auto* box = MakeControl<QLineEdit>(parent, row);
  box->setMaxLength(std::numeric_limits<int>::max());
  label->setBuddy(box);
  return box;
}

// No default button: Enter and Escape in a text box do nothing.
QPushButton* MakeCommand(QWidget* parent, const ControlSpec& row) {
  auto* button = MakeControl<QPushButton>(parent, row);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// An option button inside its frame; the group keeps exactly one selected
// and gives the selection as an id.
QRadioButton* MakeOption(QWidget* frame, QButtonGroup* group, const ControlSpec& row, int id) {
  auto* option = MakeControl<QRadioButton>(frame, row);
  group->addButton(option, id);
  return option;
}

}  // namespace

Form1::Form1() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(form1::kTitle));
  setWindowIcon(StackIcon());
  setFont(MakeFont(kWindowFont));
  setFixedSize(ToPixels(form1::kClient));

  createControls();
  chainTabOrder();

  connect(hesap, &QPushButton::clicked, this, &Form1::calculationRequested);
  connect(tablo, &QPushButton::clicked, this, &Form1::tableRequested);
  connect(KAYNAK, &QPushButton::clicked, this, &Form1::referencesRequested);
  connect(bitir, &QPushButton::clicked, this, [] { EndProgram(); });

  load();
}

void Form1::createControls() {
  Label1 = MakeLabel(this, form1::Label1);
  Label2 = MakeLabel(this, form1::Label2);
  Mesafe = MakeTextBox(this, form1::Mesafe, Label2);
  Label3 = MakeLabel(this, form1::Label3);
  Rzg = MakeTextBox(this, form1::Rzg, Label3);
  Label4 = MakeLabel(this, form1::Label4);
  Bc = MakeTextBox(this, form1::Bc, Label4);
  Label6 = MakeLabel(this, form1::Label6);
  Em = MakeTextBox(this, form1::Em, Label6);

  Frame2 = MakeControl<FrameBox>(this, form1::Frame2);
  areaGroup_ = new QButtonGroup(Frame2);
  kir = MakeOption(Frame2, areaGroup_, form1::kir, int(calc::AreaType::Rural));
  kent = MakeOption(Frame2, areaGroup_, form1::kent, int(calc::AreaType::Urban));

  Frame1 = MakeControl<FrameBox>(this, form1::Frame1);
  classGroup_ = new QButtonGroup(Frame1);
  atma = MakeOption(Frame1, classGroup_, form1::atma, int(calc::StabilityClass::A));
  atmb = MakeOption(Frame1, classGroup_, form1::atmb, int(calc::StabilityClass::B));
  atmc = MakeOption(Frame1, classGroup_, form1::atmc, int(calc::StabilityClass::C));
  atmd = MakeOption(Frame1, classGroup_, form1::atmd, int(calc::StabilityClass::D));
  atme = MakeOption(Frame1, classGroup_, form1::atme, int(calc::StabilityClass::E));
  atmf = MakeOption(Frame1, classGroup_, form1::atmf, int(calc::StabilityClass::F));

  Label5 = MakeLabel(this, form1::Label5, /*wrap=*/true);
  tablo = MakeCommand(this, form1::tablo);
  hesap = MakeCommand(this, form1::hesap);
  bitir = MakeCommand(this, form1::bitir);
  KAYNAK = MakeCommand(this, form1::KAYNAK);
}

// Tab goes from the distance box to HESAPLA, not to the wind speed: the
// order of the design. Each option group is one stop, on its selected button.
void Form1::chainTabOrder() {
  QWidget* const order[] = {Mesafe, hesap, bitir, tablo, atma, atmb, atmc, atmd,
                            atme,   atmf,  Rzg,   Bc,    Em,   kent, kir,  KAYNAK};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// The Load step: class A, then the urban area. The boxes stay empty.
void Form1::load() {
  atma->setChecked(true);
  kent->setChecked(true);
  Mesafe->setFocus(Qt::OtherFocusReason);
}

calc::InputTexts Form1::inputTexts() const {
  return {Mesafe->text().toStdString(), Rzg->text().toStdString(), Bc->text().toStdString(),
          Em->text().toStdString()};
}

calc::StabilityClass Form1::stabilityClass() const {
  return static_cast<calc::StabilityClass>(classGroup_->checkedId());
}

calc::AreaType Form1::areaType() const {
  return kent->isChecked() ? calc::AreaType::Urban : calc::AreaType::Rural;
}

void Form1::closeEvent(QCloseEvent* event) {
  event->ignore();
  EndProgram();
}

void EndProgram() { QCoreApplication::exit(0); }

}  // namespace ui
