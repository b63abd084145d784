#pragma once
// A frame around a group of option buttons, drawn the classic Windows way:
// the border runs through the middle of the caption, and the buttons inside
// are placed from the frame's own top-left corner, caption included.
#include <QGroupBox>

namespace ui {

class FrameBox final : public QGroupBox {
  Q_OBJECT

 public:
  explicit FrameBox(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
