#include "ui/references_window.h"

#include <QCloseEvent>
#include <QPushButton>

namespace ui {

Form5::Form5()
    : ReferenceWindow(form5::kWindow, form5::Image4),
      Image4(picture()),
      Command1(addCommand(form5::Command1)),
      Command2(addCommand(form5::Command2)),
      Command3(addCommand(form5::Command3)),
      Command4(addCommand(form5::Command4)) {
  connect(Command1, &QPushButton::clicked, this, &Form5::ruralSigmaYRequested);
  connect(Command2, &QPushButton::clicked, this, &Form5::ruralSigmaZRequested);
  connect(Command3, &QPushButton::clicked, this, &Form5::urbanSpreadRequested);
  connect(Command4, &QPushButton::clicked, this, &Form5::closeRequested);
}

// While this window is up the main window is hidden; closing it from the
// title bar must bring the main window back, as K A P A T does.
void Form5::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeRequested();
}

}  // namespace ui
