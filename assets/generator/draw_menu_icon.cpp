// The program's icon for menus, docks and the icon theme: the brick stack of
// the window icon giving off its plume, composed for a square tile. It is one
// vector drawing, written as SVG and drawn at every size the theme holds.
// Small sizes get fewer, larger parts whose edges fall on whole pixels, so
// 16 and 24 pixels stay a stack and a plume rather than a smudge.

#include "assets/generator/draw_menu_icon.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace assets::gen {
namespace {

constexpr int kUnits = 256;  // drawing units to the side

// How much of the drawing a size can show.
enum class Detail { Small, Medium, Full };

Detail DetailFor(int pixels) {
  if (pixels == kScalable || pixels >= 64) return Detail::Full;
  return pixels <= 24 ? Detail::Small : Detail::Medium;
}

// Places drawing units on the nearest pixel edge of a `pixels` square, so
// outlines at small sizes are sharp; leaves them alone for the SVG.
class Grid {
 public:
  explicit Grid(int pixels) : pixels_(pixels) {}
  qreal operator()(qreal units) const {
    if (pixels_ == kScalable) return units;
    const qreal unitsPerPixel = qreal(kUnits) / pixels_;
    return std::round(units / unitsPerPixel) * unitsPerPixel;
  }
  qreal pixel() const { return pixels_ == kScalable ? 4.0 : qreal(kUnits) / pixels_; }

 private:
  int pixels_;
};

struct Layout {
  QRectF tile;
  qreal corner;
  qreal horizon;
  qreal stackX;  // centre line
  qreal stackTop;
  qreal stackBase;
  qreal stackTopHalf;  // half widths
  qreal stackBaseHalf;
};

Layout LayoutFor(Detail detail, const Grid& grid) {
  if (detail == Detail::Small)  // full tile, a stout stack, on whole pixels
    return {QRectF(0, 0, kUnits, kUnits), 40, grid(192), 88, grid(88), grid(216), 24, 32};
  return {QRectF(8, 8, 240, 240), 40, 184, 84, 88, 202, 13, 20};
}

QPainterPath Tile(const Layout& l) {
  QPainterPath tile;
  tile.addRoundedRect(l.tile, l.corner, l.corner);
  return tile;
}

QPainterPath Band(const Layout& l, qreal top, qreal bottom) {
  QPainterPath band;
  band.addRect(QRectF(0, top, kUnits, bottom - top));
  return Tile(l).intersected(band);
}

void AddSkyAndGround(Scene& scene, const Layout& l) {
  QLinearGradient sky(0, l.tile.top(), 0, l.horizon);
  sky.setColorAt(0.0, QColor(52, 104, 178));
  sky.setColorAt(0.55, QColor(112, 158, 212));
  sky.setColorAt(1.0, QColor(196, 214, 228));
  scene.push_back({Band(l, 0, l.horizon), sky});
  QLinearGradient ground(0, l.horizon, 0, l.tile.bottom());
  ground.setColorAt(0.0, QColor(92, 108, 70));
  ground.setColorAt(0.4, QColor(74, 86, 52));
  ground.setColorAt(1.0, QColor(58, 56, 40));
  scene.push_back({Band(l, l.horizon, kUnits), ground});
}

void AddTrees(Scene& scene, const Layout& l) {
  QPainterPath trees;
  for (int i = 0; i < 10; ++i) {
    const qreal x = 140 + i * 11.0;
    const qreal r = 6.0 + 2.5 * std::sin(i * 2.3);
    trees.addEllipse(QPointF(x, l.horizon - r * 0.35), r * 1.3, r);
  }
  trees.setFillRule(Qt::WindingFill);
  scene.push_back({Tile(l).intersected(trees.simplified()), QColor(70, 88, 64, 210)});
}

void AddWorkshop(Scene& scene, const Layout& l, Detail detail) {
  const QRectF hall(22, 160, 130, l.horizon + 14 - 160);
  QLinearGradient wall(hall.topLeft(), hall.bottomLeft());
  wall.setColorAt(0.0, QColor(156, 154, 146));
  wall.setColorAt(1.0, QColor(96, 94, 88));
  QPainterPath walls;
  walls.addRect(hall);
  scene.push_back({walls, wall});
  QPainterPath roof;  // saw-tooth factory roof
  roof.moveTo(hall.left() - 3, hall.top());
  for (int i = 0; i < 4; ++i) {
    const qreal x = hall.left() + i * hall.width() / 4;
    roof.lineTo(x + hall.width() / 8, hall.top() - 14);
    roof.lineTo(x + hall.width() / 4, hall.top());
  }
  roof.closeSubpath();
  scene.push_back({roof, QColor(88, 84, 82)});
  if (detail != Detail::Full) return;
  QPainterPath windows;
  for (int i = 0; i < 6; ++i)
    windows.addRect(QRectF(hall.left() + 8 + i * 21.0, hall.top() + 12, 12, 6));
  scene.push_back({windows, QColor(40, 42, 46)});
}

QPainterPath StackOutline(const Layout& l, const Grid& grid) {
  QPainterPath stack;
  stack.moveTo(grid(l.stackX - l.stackTopHalf), l.stackTop);
  stack.lineTo(grid(l.stackX + l.stackTopHalf), l.stackTop);
  stack.lineTo(grid(l.stackX + l.stackBaseHalf), l.stackBase);
  stack.lineTo(grid(l.stackX - l.stackBaseHalf), l.stackBase);
  stack.closeSubpath();
  return stack;
}

void AddStack(Scene& scene, const Layout& l, Detail detail, const Grid& grid) {
  const QPainterPath stack = StackOutline(l, grid);
  // Round brick lit from the left: light band, dark right side.
  QLinearGradient brick(l.stackX - l.stackBaseHalf, 0, l.stackX + l.stackBaseHalf, 0);
  brick.setColorAt(0.0, QColor(128, 54, 36));
  brick.setColorAt(0.3, QColor(204, 104, 70));
  brick.setColorAt(0.6, QColor(156, 68, 46));
  brick.setColorAt(1.0, QColor(72, 30, 22));
  scene.push_back({stack, brick});
  if (detail == Detail::Full) {
    QPainterPath courses;
    for (qreal y = l.stackTop + 12; y < l.stackBase - 2; y += 10)
      courses.addRect(QRectF(0, y, kUnits, 2));
    scene.push_back({stack.intersected(courses), QColor(60, 24, 16, 80)});
  }
  if (detail != Detail::Small) {
    QLinearGradient soot(0, l.stackTop, 0, l.stackTop + 24);
    soot.setColorAt(0.0, QColor(30, 24, 22, 220));
    soot.setColorAt(1.0, QColor(30, 24, 22, 0));
    QPainterPath top;
    top.addRect(QRectF(0, l.stackTop, kUnits, 24));
    scene.push_back({stack.intersected(top), soot});
  }
  // Cap ring at the mouth, a pixel wider than the stack on each side.
  const qreal overhang = std::max<qreal>(4, grid.pixel());
  const qreal height = std::max<qreal>(8, grid.pixel());
  QPainterPath cap;
  cap.addRect(QRectF(QPointF(grid(l.stackX - l.stackTopHalf) - overhang, grid(l.stackTop - height)),
                     QPointF(grid(l.stackX + l.stackTopHalf) + overhang, l.stackTop + 2)));
  scene.push_back({cap, QColor(44, 40, 38)});
}

struct Puff {
  qreal along;  // 0 at the mouth, 1 at the tile's right edge
  qreal lift;   // sideways jitter of the centre, drawing units
  qreal size;   // radius, drawing units
  int grey;     // shade of the core
};

constexpr Puff kFullPlume[] = {
    {0.00, 0, 9, 236},  {0.06, -2, 12, 226}, {0.13, 2, 15, 240}, {0.21, -3, 18, 222},
    {0.30, 2, 21, 236}, {0.40, -3, 24, 216}, {0.50, 3, 26, 234}, {0.61, -2, 28, 220},
    {0.72, 3, 30, 238}, {0.84, -3, 32, 214}, {0.96, 2, 34, 230}, {1.08, 0, 36, 220},
};

constexpr Puff kMediumPlume[] = {
    {0.00, 0, 12, 236}, {0.14, 2, 18, 226},  {0.32, -2, 24, 238},
    {0.52, 2, 28, 222}, {0.74, -2, 32, 236}, {0.96, 2, 36, 224},
};

// At 16 pixels a puff smaller than three pixels reads as dirt.
constexpr Puff kSmallPlume[] = {
    {0.00, 0, 26, 240},
    {0.32, 0, 34, 228},
    {0.66, 0, 40, 240},
    {1.00, 0, 44, 226},
};

QPointF PlumeCentre(const Layout& l, qreal along) {
  // Rises at first, then bends over and drifts right with the wind.
  const qreal mouthY = l.stackTop - 10;
  const qreal x = l.stackX + along * (l.tile.right() - l.stackX);
  const qreal rise = 36 * (1 - std::exp(-along * 5));
  return {x, mouthY - rise};
}

template <std::size_t N>
void AddPlume(Scene& scene, const Layout& l, const Puff (&puffs)[N]) {
  const QPainterPath tile = Tile(l);
  for (const Puff& puff : puffs) {
    const QPointF c = PlumeCentre(l, puff.along) + QPointF(0, puff.lift);
    const qreal r = puff.size;
    QRadialGradient g(c, r * 1.15, c - QPointF(0.3 * r, 0.35 * r));
    g.setColorAt(0.0, QColor(puff.grey + 12, puff.grey + 12, puff.grey + 12, 240));
    g.setColorAt(0.6, QColor(puff.grey - 26, puff.grey - 24, puff.grey - 20, 215));
    g.setColorAt(1.0, QColor(puff.grey - 80, puff.grey - 78, puff.grey - 70, 0));
    QPainterPath disc;
    disc.addEllipse(c, r * 1.15, r);
    scene.push_back({tile.intersected(disc), g});
  }
}

// A thin dark edge, so the tile stands out on a light menu as on a dark one.
void AddRim(Scene& scene, const Layout& l, const Grid& grid) {
  const qreal width = std::max<qreal>(3, grid.pixel());
  QPainterPath inner;
  inner.addRoundedRect(l.tile.adjusted(width, width, -width, -width), l.corner - width,
                       l.corner - width);
  scene.push_back({Tile(l).subtracted(inner), QColor(16, 32, 56, 90)});
}

}  // namespace

Scene MenuIconScene(int pixels) {
  const Detail detail = DetailFor(pixels);
  const Grid grid(pixels);
  const Layout l = LayoutFor(detail, grid);
  Scene scene;
  AddSkyAndGround(scene, l);
  if (detail != Detail::Small) {
    AddTrees(scene, l);
    AddWorkshop(scene, l, detail);
  }
  AddStack(scene, l, detail, grid);
  if (detail == Detail::Full) AddPlume(scene, l, kFullPlume);
  else if (detail == Detail::Medium) AddPlume(scene, l, kMediumPlume);
  else AddPlume(scene, l, kSmallPlume);
  AddRim(scene, l, grid);
  return scene;
}

QImage DrawMenuIcon(int pixels) { return gen::Render(MenuIconScene(pixels), kUnits, pixels); }

QByteArray MenuIconSvg() {
  return gen::ToSvg(MenuIconScene(kScalable), kUnits, QStringLiteral("Yelduman"));
}

}  // namespace assets::gen
