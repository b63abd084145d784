#pragma once
// The results window's layout: the window, its fonts and its rows, in twips.
#include "ui/layout.h"

namespace ui::results_window_layout {

// "Form3" is the results window's title.
inline constexpr WindowLayout kWindow{"Form3", "Form3", {5835, 7200}};

// No fonts of its own: the list and KAPAT take the window's.

// Each row: name, caption, {left, top, width, height}.
// clang-format off
inline constexpr LayoutRow kListRow{"List1", "",                { 360,  360, 4935, 5910}};
inline constexpr LayoutRow kCloseButtonRow{"kapat", "KAPAT",    {1800, 6480, 2055,  375}};
// clang-format on

}  // namespace ui::results_window_layout
