#pragma once

#include "assets/generator/vector_scene.h"

#include <QByteArray>
#include <QImage>

// The square icon of menus and docks, drawn for each size it is shown at.

namespace assets::gen {

// Stands for "no pixel size": the SVG, with every detail and no snapping.
inline constexpr int kScalable = 0;

Scene MenuIconScene(int pixels);

// The icon on a transparent square of `pixels` pixels.
QImage DrawMenuIcon(int pixels);

// The icon as a scalable SVG document.
QByteArray MenuIconSvg();

}  // namespace assets::gen
