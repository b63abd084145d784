#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace assets {

// The program's pictures are embedded in the yelduman_assets library, each
// listed picture of assets/picture_list.h with its copies for dense screens,
// under :/pictures/ (ResourcePath there): ":/pictures/stack_icon.png",
// ":/pictures/stability_classes.bmp", ...
//
// A static library's resources are registered only on request: call this
// once before the first picture is read directly. Later calls do nothing.
void InitPictures();

// The picture stored under `resource`, for a window whose screen has
// `devicePixelRatio` device pixels to the window pixel: the copy drawn for
// that density, or where none is, the next larger copy reduced to the
// screen's pixels. Its device pixel ratio is set, so it covers the same
// window pixels as the picture itself, and its deviceIndependentSize() is
// that picture's size. A path that is no listed picture is loaded as it is.
// Registers the pictures itself.
QPixmap LoadPicture(const QString& resource, qreal devicePixelRatio);

// The factory stack of the windows and of the program, with every copy, so
// the window system and Qt take the one that fits the screen. Registers the
// pictures itself.
QIcon LoadStackIcon();

}  // namespace assets
