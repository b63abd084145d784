#pragma once
// Window layouts are given in twips (1/1440 inch). This is the one place
// where twips become pixels: 15 twips per pixel at 96 dots per inch; Qt's
// own high-DPI scaling takes it from there.
#include <QRect>
#include <QSize>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// Left, top, width and height of a control in twips, from the top-left
// corner of the window's client area (or of the frame it sits in).
struct Twips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Width and height of a window's client area in twips.
struct TwipSize {
  int width = 0;
  int height = 0;
};

constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QRect ToPixels(const Twips& t) {
  return {TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width),
          TwipsToPixels(t.height)};
}

inline QSize ToPixels(const TwipSize& t) {
  return {TwipsToPixels(t.width), TwipsToPixels(t.height)};
}

}  // namespace ui
