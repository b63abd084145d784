#include "ui/table_windows.h"

#include <QPushButton>

namespace ui {

// A top-level widget without WA_DeleteOnClose is only hidden by close(), so
// the title bar's close needs no handler of its own.
TableWindow::TableWindow(const TableWindowLayout& layout)
    : PictureWindow(layout.window, layout.picture) {
  connect(addCommand(layout.closeButton), &QPushButton::clicked, this, &QWidget::hide);
}

StabilityClassWindow::StabilityClassWindow() : TableWindow(kStabilityClassTable) {}

RuralSigmaYWindow::RuralSigmaYWindow() : TableWindow(kRuralSigmaYTable) {}

RuralSigmaZWindow::RuralSigmaZWindow() : TableWindow(kRuralSigmaZTable) {}

UrbanSpreadWindow::UrbanSpreadWindow() : TableWindow(kUrbanSpreadTable) {}

}  // namespace ui
