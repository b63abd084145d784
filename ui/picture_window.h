#pragma once
// What the windows built around one picture share: a fixed client area, the
// picture at its natural size, command buttons drawn above it, and no owner.
#include <QWidget>

#include "ui/layout_row.h"
#include "ui/window_setup.h"

class QLabel;
class QPushButton;
class QShowEvent;

namespace ui {

class PictureWindow : public QWidget {
  Q_OBJECT

 protected:
  PictureWindow(const WindowLayout& window, const PictureRow& picture);

  // Adds a button after the ones before it in the tab order, drawn above
  // the picture; it is never a default button. The first one added takes
  // the focus when the window is first shown.
  QPushButton* addCommand(const LayoutRow& row);

  void showEvent(QShowEvent* event) override;

 private:
  // Shows the copy of the picture drawn for the window's screen density.
  void fitPictureToScreen();

  QLabel* picture_;
  QString pictureResource_;
  bool hasFirstCommand_ = false;
  bool watchesScreen_ = false;
};

}  // namespace ui
