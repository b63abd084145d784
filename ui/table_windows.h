#pragma once
// The windows that show one table and a button that hides them: the
// stability-class table and the three spread-coefficient tables. The title
// bar's close hides them too; showing one again brings back the same window.
#include "ui/picture_window.h"

namespace ui {

class TableWindow : public PictureWindow {
  Q_OBJECT

 protected:
  TableWindow(const WindowLayout& window, const PictureRow& picture, const LayoutRow& closeButton);
};

// TABLO on the main window.
class StabilityClassWindow final : public TableWindow {
  Q_OBJECT

 public:
  StabilityClassWindow();
};

// "Kırsal Alan Sy Hesabı" on the references window.
class RuralSigmaYWindow final : public TableWindow {
  Q_OBJECT

 public:
  RuralSigmaYWindow();
};

// "Kırsal Alan Sz Hesabı" on the references window.
class RuralSigmaZWindow final : public TableWindow {
  Q_OBJECT

 public:
  RuralSigmaZWindow();
};

// "Kentsel Alan Sy ve Sz Hesabı" on the references window.
class UrbanSpreadWindow final : public TableWindow {
  Q_OBJECT

 public:
  UrbanSpreadWindow();
};

}  // namespace ui
