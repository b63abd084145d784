#include "ui/references_window.h"

#include <QCloseEvent>
#include <QPushButton>

#include "ui/picture_window_layouts.h"

namespace ui {

namespace layout = references_window_layout;

ReferencesWindow::ReferencesWindow() : PictureWindow(layout::kWindow, layout::kPictureRow) {
  connect(MakeCommand(this, layout::kRuralSigmaYButtonRow, kFirstCommand), &QPushButton::clicked,
          this, &ReferencesWindow::ruralSigmaYRequested);
  connect(MakeCommand(this, layout::kRuralSigmaZButtonRow, kCommand), &QPushButton::clicked, this,
          &ReferencesWindow::ruralSigmaZRequested);
  connect(MakeCommand(this, layout::kUrbanSpreadButtonRow, kCommand), &QPushButton::clicked, this,
          &ReferencesWindow::urbanSpreadRequested);
  connect(MakeCommand(this, layout::kCloseButtonRow, kCommand), &QPushButton::clicked, this,
          &ReferencesWindow::closeRequested);
}

// While this window is up the main window is hidden; closing it from the
// title bar must bring the main window back, as K A P A T does.
void ReferencesWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeRequested();
}

}  // namespace ui
