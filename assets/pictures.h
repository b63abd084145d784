#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures are embedded in the yelduman_assets library under
// these resource paths:
//   :/pictures/stack_icon.png          window and program icon, 50 x 37
//   :/pictures/stability_classes.bmp   Pasquill stability classes, 615 x 199
//   :/pictures/references.png          credits and references, 470 x 186
//   :/pictures/rural_sigma_y.jpg       rural horizontal spread, 294 x 255
//   :/pictures/rural_sigma_z.jpg       rural vertical spread, 530 x 424
//   :/pictures/urban_spread.jpg        urban spread expressions, 374 x 167
// Beside each lie copies drawn at twice the resolution (name@2x), and for
// the first three at three times (name@3x), for dense screens.
//
// A static library's resources are registered only on request: call this
// once before the first picture is loaded. Later calls do nothing.
void InitPictures();

// The picture named by its resource path above, for a window whose screen
// has `devicePixelRatio` device pixels to the window pixel: the copy drawn
// for that density, or where none is, the next larger copy reduced to the
// screen's pixels. Its device pixel ratio is set, so it covers the same
// window pixels as the picture above, and its deviceIndependentSize() is
// that picture's size. A path without copies is loaded as it is.
// Registers the pictures itself.
QPixmap LoadPicture(const QString& resource, qreal devicePixelRatio);

// The factory stack of the windows and of the program, with every copy, so
// the window system and Qt take the one that fits the screen. Registers the
// pictures itself.
QIcon LoadStackIcon();
