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

  // Where the caption is drawn: its width and a little clear space either
  // side, interrupting the border near the frame's left end.
  QRect captionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int captionTop() const;
  QRect captionRectAt(int top) const;

  mutable QString measuredFor_;  // the caption, face and density measured last
  mutable int measuredTop_ = 0;
};

}  // namespace ui
