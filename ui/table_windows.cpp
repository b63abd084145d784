#include "ui/table_windows.h"

#include <QPushButton>

#include "ui/picture_window_layouts.h"

namespace ui {

// A top-level widget without WA_DeleteOnClose is only hidden by close(), so
// the title bar's close needs no handler of its own.
TableWindow::TableWindow(const WindowLayout& window, const PictureRow& picture,
                         const LayoutRow& closeButton)
    : PictureWindow(window, picture) {
  connect(addCommand(closeButton), &QPushButton::clicked, this, &QWidget::hide);
}

namespace stability = stability_class_window_layout;
StabilityClassWindow::StabilityClassWindow()
    : TableWindow(stability::kWindow, stability::kPictureRow, stability::kCloseButtonRow) {}

namespace sigma_y = rural_sigma_y_window_layout;
RuralSigmaYWindow::RuralSigmaYWindow()
    : TableWindow(sigma_y::kWindow, sigma_y::kPictureRow, sigma_y::kCloseButtonRow) {}

namespace sigma_z = rural_sigma_z_window_layout;
RuralSigmaZWindow::RuralSigmaZWindow()
    : TableWindow(sigma_z::kWindow, sigma_z::kPictureRow, sigma_z::kCloseButtonRow) {}

namespace urban = urban_spread_window_layout;
UrbanSpreadWindow::UrbanSpreadWindow()
    : TableWindow(urban::kWindow, urban::kPictureRow, urban::kCloseButtonRow) {}

}  // namespace ui
