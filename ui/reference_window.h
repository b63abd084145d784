#pragma once
// What the reference windows share: a fixed client area, one picture at its
// natural size, command buttons drawn above it, and no owner.
#include <QWidget>

#include "ui/reference_layout.h"

class QLabel;
class QPushButton;
class QShowEvent;

namespace ui {

class ReferenceWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the window, or brings it to the front and activates it when it
  // is already visible.
  void bringUp();

 protected:
  ReferenceWindow(const WindowSpec& window, const PictureSpec& picture);

  // Adds a button after the ones before it in the tab order, drawn above
  // the picture; it is never a default button. The first one added takes
  // the focus when the window is first shown.
  QPushButton* addCommand(const ControlSpec& row);

  QLabel* picture() const { return picture_; }

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
