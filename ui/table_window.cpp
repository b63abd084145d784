#include "ui/table_window.h"

#include <QPushButton>

namespace ui {

// A top-level widget without WA_DeleteOnClose is only hidden by close(), so
// the title bar's close needs no handler of its own.
TableWindow::TableWindow(const TableLayout& layout) : PictureWindow(layout.window, layout.picture) {
  connect(MakeCommand(this, layout.closeButton, kFirstCommand), &QPushButton::clicked, this,
          &QWidget::hide);
}

}  // namespace ui
