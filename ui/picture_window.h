#pragma once
// What the windows built around one picture share: a fixed client area, the
// picture at its natural size, command buttons drawn above it, and no owner.
#include <QWidget>

#include "ui/controls.h"

class QLabel;
class QShowEvent;

namespace ui {

class PictureWindow : public QWidget {
  Q_OBJECT

 protected:
  PictureWindow(const WindowLayout& window, const PictureRow& picture);

  // Its command buttons (MakeCommand), made in tab order after the picture:
  // each drawn above the picture, and the first, tab index 0, with the focus
  // when the window is first shown.
  static constexpr CommandOptions kFirstCommand{.raised = true, .focused = true};
  static constexpr CommandOptions kCommand{.raised = true};

  void showEvent(QShowEvent* event) override;

 private:
  // Shows the copy of the picture drawn for the window's screen density.
  void fitPictureToScreen();

  QLabel* picture_;
  QString pictureResource_;
  bool watchesScreen_ = false;
};

}  // namespace ui
