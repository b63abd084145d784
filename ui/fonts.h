#pragma once
// The fonts the windows are laid out for, by face, point size and style, and
// their stand-ins on this system.
#include <QFont>

namespace ui {

// The two faces the layout tables name; each is drawn with an installed
// sans-serif of the same metrics (see RegisterFontSubstitutes).
enum class Face { MsSansSerif, Arial };

struct FontStyle {
  Face face = Face::MsSansSerif;
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// What a control without a font of its own uses: "MS Sans Serif" 8.25 pt.
inline constexpr FontStyle kWindowFont{};

// Makes "MS Sans Serif" and "Arial" resolve to the installed stand-in.
// Call once, after the application object exists and before any window.
void RegisterFontSubstitutes();

// A font with every attribute set explicitly, so nothing of it is inherited
// from the parent widget (a frame's bold italic must not spread to its
// option buttons).
QFont MakeFont(const FontStyle& style);

}  // namespace ui
