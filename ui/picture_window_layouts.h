#pragma once
// The layouts of the windows built around one picture: the stability-class
// table, the references and the three spread-coefficient tables. Each has its
// window, its fonts and its rows, in twips; a table's ends with kTable, from
// which its TableWindow is made. The picture is shown unscaled with its
// top-left corner at its row's position; the row's size is the picture's own
// at 15 twips per pixel. Buttons are listed in tab order.
#include "ui/layout.h"
#include "ui/table_window.h"

// Each row: name, caption or picture, {left, top, width, height}, font.
// clang-format off
namespace ui::stability_class_window_layout {
inline constexpr WindowLayout kWindow{"Form2", "Atmosferik Kosul Tablosu", {9375, 3840}};
inline constexpr FontStyle kCloseButtonFont{.face = Face::MsSansSerif, .points = 8.25, .bold = true};
inline constexpr PictureRow kPictureRow{"Image1", ":/pictures/stability_classes.bmp", { 120,  120, 9225, 2985}};
inline constexpr LayoutRow kCloseButtonRow{"kapat", "TABLOYU KAPAT",                  { 480, 3240, 3015,  375}, kCloseButtonFont};
inline constexpr TableLayout kTable{kWindow, kPictureRow, kCloseButtonRow};
}  // namespace ui::stability_class_window_layout

// "KentSy" and "KentSz" are the titles of the rural tables.
namespace ui::rural_sigma_y_window_layout {
inline constexpr WindowLayout kWindow{"Form6", "KentSy", {4395, 3885}};
inline constexpr FontStyle kCloseButtonFont{.face = Face::MsSansSerif, .points = 8.25, .bold = true, .italic = true};
inline constexpr PictureRow kPictureRow{"Image2", ":/pictures/rural_sigma_y.jpg", {   0,    0, 4410, 3825}};
inline constexpr LayoutRow kCloseButtonRow{"Command1", "K A P A T",               {2400, 3480, 1935,  375}, kCloseButtonFont};
inline constexpr TableLayout kTable{kWindow, kPictureRow, kCloseButtonRow};
}  // namespace ui::rural_sigma_y_window_layout

namespace ui::rural_sigma_z_window_layout {
inline constexpr WindowLayout kWindow{"Form7", "KentSz", {7950, 6360}};
inline constexpr FontStyle kCloseButtonFont{.face = Face::MsSansSerif, .points = 9.75, .bold = true, .italic = true};
inline constexpr PictureRow kPictureRow{"Image1", ":/pictures/rural_sigma_z.jpg", {   0,    0, 7950, 6360}};
inline constexpr LayoutRow kCloseButtonRow{"Command1", "K A P A T",               {4440, 5880, 1935,  375}, kCloseButtonFont};
inline constexpr TableLayout kTable{kWindow, kPictureRow, kCloseButtonRow};
}  // namespace ui::rural_sigma_z_window_layout

namespace ui::urban_spread_window_layout {
inline constexpr WindowLayout kWindow{"Form4", "SYSZhesap", {5625, 2505}};
inline constexpr FontStyle kCloseButtonFont{.face = Face::MsSansSerif, .points = 9.75, .bold = true, .italic = true};
inline constexpr PictureRow kPictureRow{"Image3", ":/pictures/urban_spread.jpg", {   0,    0, 5610, 2505}};
inline constexpr LayoutRow kCloseButtonRow{"Command1", "K A P A T",              {3480, 2040, 2055,  375}, kCloseButtonFont};
inline constexpr TableLayout kTable{kWindow, kPictureRow, kCloseButtonRow};
}  // namespace ui::urban_spread_window_layout

namespace ui::references_window_layout {
inline constexpr WindowLayout kWindow{"Form5", "KAYNAK", {7350, 4695}};
inline constexpr FontStyle kCloseButtonFont{.face = Face::MsSansSerif, .points = 9.75, .bold = true};
inline constexpr PictureRow kPictureRow{"Image4", ":/pictures/references.png",         { 240,  240, 7050, 2790}};
inline constexpr LayoutRow kRuralSigmaYButtonRow{"Command1", "Kırsal Alan Sy Hesabı",        { 840, 3360, 2535, 375}};
inline constexpr LayoutRow kRuralSigmaZButtonRow{"Command2", "Kırsal Alan Sz Hesabı",        {3600, 3360, 2535, 375}};
inline constexpr LayoutRow kUrbanSpreadButtonRow{"Command3", "Kentsel Alan Sy ve Sz Hesabı", { 840, 3960, 2535, 375}};
inline constexpr LayoutRow kCloseButtonRow{"Command4", "K A P A T",                          {3600, 3960, 2535, 375}, kCloseButtonFont};
}  // namespace ui::references_window_layout
// clang-format on
