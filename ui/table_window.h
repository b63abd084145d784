#pragma once
// The windows that show one table and a button that hides them: the
// stability-class table and the three spread-coefficient tables, each a
// TableWindow made from its layout (kTable in picture_window_layouts.h). The
// title bar's close hides them too; showing one again brings back the same
// window.
#include "ui/layout.h"
#include "ui/picture_window.h"

namespace ui {

// A table window's layout: its window, its table's picture and the button
// that hides it.
struct TableLayout {
  WindowLayout window;
  PictureRow picture;
  LayoutRow closeButton;
};

class TableWindow final : public PictureWindow {
  Q_OBJECT

 public:
  explicit TableWindow(const TableLayout& layout);
};

}  // namespace ui
