#include "ui/frame_box.h"

#include <algorithm>
#include <cmath>

#include <qdrawutil.h>
#include <QImage>
#include <QPainter>
#include <QStyle>

namespace ui {
namespace {

constexpr int kCaptionIndent = 6;   // pixels from the frame's left edge
constexpr int kCaptionPadding = 2;  // clear space either side of the caption

}  // namespace

FrameBox::FrameBox(QWidget* parent) : QGroupBox(parent) {}

// The caption stands at the frame's top edge, unless a letter's ink reaches
// above it there, as the dots of "Özellik" do in a bold italic face drawn at
// 125 % by Windows: then it stands that much lower, or the edge would cut
// them off. The ink is found by drawing the caption once, as paintEvent
// draws it, at the screen's density; the answer is kept for that caption,
// face and density.
int FrameBox::captionTop() const {
  const qreal ratio = devicePixelRatioF();
  const QString measured =
      title() + QLatin1Char('\n') + font().key() + QLatin1Char('\n') + QString::number(ratio);
  if (measured == measuredFor_) return measuredTop_;

  // The caption's own rectangle, a caption's height lower: clear space above
  // and below, and across where it will stand, as glyphs are drawn by where
  // they fall within a device pixel.
  const QRect caption = captionRectAt(0).translated(0, QFontMetrics(font()).height());
  const int room = caption.height();
  QImage ink((QSizeF(caption.right() + room, 3 * room) * ratio).toSize(),
             QImage::Format_ARGB32_Premultiplied);
  ink.setDevicePixelRatio(ratio);
  ink.fill(Qt::transparent);
  QPainter painter(&ink);
  painter.setFont(QFont(font(), this));
  painter.drawText(caption, Qt::AlignCenter | Qt::TextHideMnemonic | Qt::TextDontClip, title());
  painter.end();

  int inkTop = ink.height();
  for (int y = 0; y < ink.height() && inkTop == ink.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(ink.constScanLine(y));
    if (std::any_of(row, row + ink.width(), [](QRgb pixel) { return qAlpha(pixel) != 0; }))
      inkTop = y;
  }
  const qreal above = room - inkTop / ratio;
  measuredFor_ = measured;
  measuredTop_ = above > 0 ? int(std::ceil(above)) : 0;
  return measuredTop_;
}

QRect FrameBox::captionRectAt(int top) const {
  const QFontMetrics metrics(font());
  return {kCaptionIndent, top, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
          metrics.height()};
}

QRect FrameBox::captionRect() const { return captionRectAt(captionTop()); }

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect caption = captionRect();

  // An etched line through the caption's middle, drawn here rather than by
  // the style: styles put the border of a titled group box below its title.
  qDrawShadeRect(&painter, rect().adjusted(0, caption.top() + caption.height() / 2, 0, 0),
                 palette(), /*sunken=*/true, /*lineWidth=*/1, /*midLineWidth=*/0);

  if (title().isEmpty()) return;
  painter.fillRect(caption, palette().window());
  style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextHideMnemonic, palette(),
                        isEnabled(), title(), QPalette::WindowText);
}

}  // namespace ui
