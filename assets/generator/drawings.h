#pragma once

#include <QImage>

#include <string_view>

namespace assets::gen {

// The drawing of a listed picture (assets/picture_list.h): the finished
// picture at its listed size times `scale`, 1 for the picture as the windows
// show it, 2 and 3 for screens with two or three device pixels to the window
// pixel, where the same drawing is made at that resolution (never enlarged
// from the small one). main.cpp writes it to disk in its listed format.
using Drawing = QImage (*)(int scale);

// Each picture's file generator/draw_<name>.cpp registers its drawing under
// the picture's name, at start:
//   const DrawingOf kDrawing("stack_icon", DrawStackIcon);
struct DrawingOf {
  DrawingOf(std::string_view name, Drawing draw);
};

// The drawing registered under `name`, or null.
Drawing FindDrawing(std::string_view name);

}  // namespace assets::gen
