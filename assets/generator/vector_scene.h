#pragma once

#include <QBrush>
#include <QByteArray>
#include <QImage>
#include <QPainterPath>

#include <vector>

// A drawing made of filled outlines only, so one description gives both a
// picture at any pixel size and an SVG file that looks the same.

namespace assets::gen {

struct Shape {
  QPainterPath outline;
  QBrush fill;  // a colour, or a linear or radial gradient in drawing units
};

using Scene = std::vector<Shape>;

// The scene, drawn in units of `unitsPerSide` to the side, on a transparent
// square of `pixels` pixels, antialiased.
QImage Render(const Scene& scene, int unitsPerSide, int pixels);

// The scene as an SVG document whose view box is `unitsPerSide` square.
QByteArray ToSvg(const Scene& scene, int unitsPerSide, const QString& title);

}  // namespace assets::gen
