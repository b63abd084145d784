#include "ui/table_windows.h"

#include <QPushButton>

namespace ui {

// A top-level widget without WA_DeleteOnClose is only hidden by close(), so
// the title bar's close needs no handler of its own.
TableWindow::TableWindow(const TableWindowDesign& design)
    : ReferenceWindow(design.window, design.picture),
      closeButton_(addCommand(design.closeButton)) {
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::hide);
}

Form2::Form2() : TableWindow(form2::kDesign), Image1(picture()), kapat(closeButton()) {}

Form6::Form6() : TableWindow(form6::kDesign), Image2(picture()), Command1(closeButton()) {}

Form7::Form7() : TableWindow(form7::kDesign), Image1(picture()), Command1(closeButton()) {}

Form4::Form4() : TableWindow(form4::kDesign), Image3(picture()), Command1(closeButton()) {}

}  // namespace ui
