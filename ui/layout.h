#pragma once
// The vocabulary of the windows' layout tables: twips and their conversion to
// pixels, fonts, the rows of controls and pictures, and the window's own row.
// The tables (main_window_layout.h, results_window_layout.h,
// picture_window_layouts.h) are written in it; controls.h makes widgets of it.
#include <string_view>

#include <QRect>
#include <QSize>

namespace ui {

// ---- twips ----------------------------------------------------------------

// Window layouts are given in twips (1/1440 inch). This is the one place
// where twips become pixels: 15 twips per pixel at 96 dots per inch; Qt's
// own high-DPI scaling takes it from there.
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

// ---- fonts ----------------------------------------------------------------

// The two faces the layout tables name; each is drawn by an outline face of
// the system (on Windows "Microsoft Sans Serif" and Arial, elsewhere a
// sans-serif of Arial's metrics; fonts.cpp looks them up).
enum class Face { MsSansSerif, Arial };

// A font by face, point size and style, written with its fields' names:
// {.face = Face::Arial, .points = 12, .bold = true, .underline = true}.
struct FontStyle {
  Face face = Face::MsSansSerif;
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// What a control without a font of its own uses: "MS Sans Serif" 8.25 pt.
inline constexpr FontStyle kWindowFont{};

// ---- rows -----------------------------------------------------------------

enum class TextColour { Default, Red, Blue };

// A control's row.
struct LayoutRow {
  std::string_view name;     // the system's name, also the objectName
  std::string_view caption;  // UTF-8; empty for text boxes and lists
  Twips rect;                // in the client area, or in the enclosing frame
  FontStyle font = kWindowFont;
  TextColour colour = TextColour::Default;
};

// A picture's row: the picture is shown unscaled from the row's top-left
// corner.
struct PictureRow {
  std::string_view name;      // the system's name, also the objectName
  std::string_view resource;  // Qt resource path of the picture
  Twips rect;
};

// ---- windows --------------------------------------------------------------

// The first row of a window's layout table. A window has no font of its own
// beyond kWindowFont, and no icon of its own (the application's is every
// window's; app/startup.cpp).
struct WindowLayout {
  std::string_view name;   // the system's name, also the objectName
  std::string_view title;  // UTF-8
  TwipSize client;
};

}  // namespace ui
