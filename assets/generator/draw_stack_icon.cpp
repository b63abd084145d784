// The program icon: a brick factory stack against the sky, giving off a
// grey-white plume that drifts downwind. Drawn four times larger than it is
// shown with gradients and soft shapes, then reduced, so it looks like a
// small photo; the larger copies for dense screens are drawn the same way.

#include "assets/generator/drawings.h"
#include "assets/generator/paint_util.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace assets::gen {
namespace {

constexpr int kScale = 4;
constexpr int kWidth = 50 * kScale;
constexpr int kHeight = 37 * kScale;
constexpr double kHorizon = 29.5 * kScale;

// The stack, in the large drawing's pixels.
constexpr double kStackTopY = 10.5 * kScale;
constexpr double kStackBaseY = 31.0 * kScale;
constexpr double kStackX = 14.0 * kScale;        // centre line
constexpr double kStackTopHalf = 2.2 * kScale;   // half width at the top
constexpr double kStackBaseHalf = 3.4 * kScale;  // half width at the base

// The plume: puffs along a path from the stack mouth, growing downwind.
struct Puff {
  double along;  // 0 at the mouth, 1 at the right edge
  double lift;   // sideways jitter of the centre, in icon pixels
  double size;   // radius factor
  int grey;      // shade of the puff's core
};

constexpr Puff kPuffs[] = {
    {0.00, 0.0, 0.9, 235}, {0.04, -0.3, 1.1, 228}, {0.09, 0.4, 1.3, 240}, {0.14, -0.5, 1.5, 222},
    {0.20, 0.3, 1.7, 236}, {0.26, -0.6, 1.9, 214}, {0.33, 0.5, 2.1, 232}, {0.40, -0.2, 2.3, 220},
    {0.47, 0.7, 2.5, 238}, {0.55, -0.6, 2.7, 212}, {0.63, 0.4, 2.9, 230}, {0.71, -0.3, 3.1, 218},
    {0.80, 0.6, 3.3, 228}, {0.89, -0.4, 3.5, 210}, {0.98, 0.3, 3.7, 222}, {1.08, 0.0, 3.9, 216},
};

void DrawSky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kHorizon);
  sky.setColorAt(0.0, QColor(52, 104, 178));
  sky.setColorAt(0.55, QColor(112, 158, 212));
  sky.setColorAt(1.0, QColor(196, 214, 228));
  p.fillRect(QRectF(0, 0, kWidth, kHorizon + 1), sky);
}

void DrawGround(QPainter& p) {
  QLinearGradient ground(0, kHorizon, 0, kHeight);
  ground.setColorAt(0.0, QColor(92, 108, 70));
  ground.setColorAt(0.35, QColor(74, 86, 52));
  ground.setColorAt(1.0, QColor(58, 56, 40));
  p.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), ground);
  // Distant tree line along the horizon.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 88, 64, 200));
  for (int i = 0; i < 14; ++i) {
    const double x = (26 + i * 1.9) * kScale;
    const double r = (0.9 + 0.35 * std::sin(i * 2.3)) * kScale;
    p.drawEllipse(QPointF(x, kHorizon - r * 0.4), r * 1.2, r);
  }
}

void DrawWorkshop(QPainter& p) {
  const QRectF hall(3.0 * kScale, 25.5 * kScale, 22.0 * kScale, 6.0 * kScale);
  QLinearGradient wall(hall.topLeft(), hall.bottomLeft());
  wall.setColorAt(0.0, QColor(150, 148, 140));
  wall.setColorAt(1.0, QColor(96, 94, 88));
  p.fillRect(hall, wall);
  QPainterPath roof;
  roof.moveTo(hall.left() - kScale, hall.top());
  for (int i = 0; i < 4; ++i) {  // saw-tooth factory roof
    const double x = hall.left() + i * hall.width() / 4;
    roof.lineTo(x + hall.width() / 8, hall.top() - 2.2 * kScale);
    roof.lineTo(x + hall.width() / 4, hall.top());
  }
  roof.closeSubpath();
  p.fillPath(roof, QColor(88, 84, 82));
  p.setPen(QPen(QColor(40, 42, 46), 0.8 * kScale));
  for (int i = 0; i < 5; ++i) {  // windows
    const double x = hall.left() + (1.5 + i * 4.2) * kScale;
    p.drawLine(QPointF(x, hall.top() + 2 * kScale),
               QPointF(x + 2.2 * kScale, hall.top() + 2 * kScale));
  }
}

QPainterPath StackOutline() {
  QPainterPath stack;
  stack.moveTo(kStackX - kStackTopHalf, kStackTopY);
  stack.lineTo(kStackX + kStackTopHalf, kStackTopY);
  stack.lineTo(kStackX + kStackBaseHalf, kStackBaseY);
  stack.lineTo(kStackX - kStackBaseHalf, kStackBaseY);
  stack.closeSubpath();
  return stack;
}

void DrawStack(QPainter& p) {
  const QPainterPath stack = StackOutline();
  // Round brick lit from the left: light band, dark right side.
  QLinearGradient brick(kStackX - kStackBaseHalf, 0, kStackX + kStackBaseHalf, 0);
  brick.setColorAt(0.0, QColor(120, 50, 34));
  brick.setColorAt(0.3, QColor(196, 98, 66));
  brick.setColorAt(0.6, QColor(150, 66, 44));
  brick.setColorAt(1.0, QColor(70, 30, 22));
  p.fillPath(stack, brick);
  p.save();
  p.setClipPath(stack);
  p.setPen(QPen(QColor(60, 24, 16, 70), 0.5 * kScale));
  for (double y = kStackTopY + 2; y < kStackBaseY; y += 1.3 * kScale)
    p.drawLine(QPointF(0, y), QPointF(kWidth, y));  // mortar courses
  QLinearGradient soot(0, kStackTopY, 0, kStackTopY + 5 * kScale);
  soot.setColorAt(0.0, QColor(30, 24, 22, 220));
  soot.setColorAt(1.0, QColor(30, 24, 22, 0));
  p.fillRect(QRectF(0, kStackTopY, kWidth, 5 * kScale), soot);
  p.restore();
  // Cap ring at the mouth.
  p.fillRect(QRectF(kStackX - kStackTopHalf - 0.5 * kScale, kStackTopY - 0.6 * kScale,
                    2 * kStackTopHalf + kScale, 1.2 * kScale),
             QColor(44, 40, 38));
}

QPointF PlumeCentre(double along) {
  // Rises at first, then bends over and drifts right with the wind.
  const double x = kStackX + along * (kWidth - kStackX);
  const double rise = 4.0 * kScale * (1.0 - std::exp(-along * 5.0));
  return {x, kStackTopY - 1.0 * kScale - rise};
}

void DrawPlume(QPainter& p) {
  p.setPen(Qt::NoPen);
  for (const Puff& puff : kPuffs) {
    const QPointF c = PlumeCentre(puff.along) + QPointF(0, puff.lift * kScale);
    const double r = puff.size * kScale * 1.35;
    QRadialGradient g(c - QPointF(0.3 * r, 0.35 * r), r * 1.15);
    g.setColorAt(0.0, QColor(puff.grey + 12, puff.grey + 12, puff.grey + 12, 230));
    g.setColorAt(0.55, QColor(puff.grey - 30, puff.grey - 28, puff.grey - 24, 190));
    g.setColorAt(1.0, QColor(puff.grey - 90, puff.grey - 88, puff.grey - 80, 0));
    p.setBrush(g);
    p.drawEllipse(c, r * 1.15, r);
  }
}

QImage DrawStackIcon(int scale) {
  QImage big(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
  QPainter p(&big);
  gen::ScaleTo(p, scale);
  p.setRenderHint(QPainter::Antialiasing);
  DrawSky(p);
  DrawGround(p);
  DrawWorkshop(p);
  DrawStack(p);
  DrawPlume(p);
  p.end();
  QImage icon = big.scaled(50 * scale, 37 * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
  gen::AddScanGrain(icon, 7, 3);  // a little sensor noise
  return icon;
}

const DrawingOf kDrawing("stack_icon", DrawStackIcon);

}  // namespace
}  // namespace assets::gen
