#include "ui/references_window.h"

#include <QCloseEvent>
#include <QPushButton>

namespace ui {

namespace layout = references_layout;

ReferencesWindow::ReferencesWindow() : PictureWindow(layout::kWindow, layout::kPicture) {
  connect(addCommand(layout::ruralSigmaYButton), &QPushButton::clicked, this,
          &ReferencesWindow::ruralSigmaYRequested);
  connect(addCommand(layout::ruralSigmaZButton), &QPushButton::clicked, this,
          &ReferencesWindow::ruralSigmaZRequested);
  connect(addCommand(layout::urbanSpreadButton), &QPushButton::clicked, this,
          &ReferencesWindow::urbanSpreadRequested);
  connect(addCommand(layout::closeButton), &QPushButton::clicked, this,
          &ReferencesWindow::closeRequested);
}

// While this window is up the main window is hidden; closing it from the
// title bar must bring the main window back, as K A P A T does.
void ReferencesWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeRequested();
}

}  // namespace ui
