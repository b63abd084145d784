#include "ui/frame_box.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>

namespace ui {
namespace {

constexpr int kCaptionIndent = 6;   // pixels from the frame's left edge
constexpr int kCaptionPadding = 2;  // clear space either side of the caption

}  // namespace

FrameBox::FrameBox(QWidget* parent) : QGroupBox(parent) {}

QRect FrameBox::captionRect() const {
  const QFontMetrics metrics(font());
  return {kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
          metrics.height()};
}

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());

  // An etched line, drawn here rather than by the style: styles put the
  // border of a titled group box below its title.
  qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(),
                 /*sunken=*/true, /*lineWidth=*/1, /*midLineWidth=*/0);

  if (title().isEmpty()) return;
  const QRect caption = captionRect();
  painter.fillRect(caption, palette().window());
  style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextHideMnemonic, palette(),
                        isEnabled(), title(), QPalette::WindowText);
}

}  // namespace ui
