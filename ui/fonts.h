#pragma once
// The fonts of the layout tables (FontStyle, layout.h) as this system draws
// them.
#include <QFont>

#include "ui/layout.h"

namespace ui {

// The font drawn on this system, with every attribute set explicitly, so
// nothing of it is inherited from the parent widget (a frame's bold italic
// must not spread to its option buttons).
QFont MakeFont(const FontStyle& style);

}  // namespace ui
