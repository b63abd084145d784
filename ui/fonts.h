#pragma once
// The fonts the windows are laid out for, by face, point size and style, and
// their stand-ins on this system.
#include <QFont>

namespace ui {

// The two faces the layout tables name; each is drawn by an outline face of
// the system (on Windows "Microsoft Sans Serif" and Arial, elsewhere a
// sans-serif of Arial's metrics).
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

// A font with every attribute set explicitly, so nothing of it is inherited
// from the parent widget (a frame's bold italic must not spread to its
// option buttons).
QFont MakeFont(const FontStyle& style);

}  // namespace ui
