#pragma once
// The layout tables of the windows built around one picture: the
// stability-class table, the references and the three spread-coefficient
// tables. Each picture is shown unscaled with its top-left corner at its
// row's position; the row's size is the picture's own at 15 twips per
// pixel. Buttons are listed in tab order.
#include <string_view>

#include "ui/layout_row.h"
#include "ui/window_setup.h"

namespace ui {

struct PictureRow {
  std::string_view name;      // the system's name, also the objectName
  std::string_view resource;  // Qt resource path of the picture
  Twips rect;
};

// A window that shows one table and has one button that hides it.
struct TableWindowLayout {
  WindowLayout window;
  PictureRow picture;
  LayoutRow closeButton;
};

inline constexpr FontStyle kBold{Face::MsSansSerif, 8.25, true};
inline constexpr FontStyle kLargeBold{Face::MsSansSerif, 9.75, true};
inline constexpr FontStyle kBoldItalic{Face::MsSansSerif, 8.25, true, true};
inline constexpr FontStyle kLargeBoldItalic{Face::MsSansSerif, 9.75, true, true};

// clang-format off
inline constexpr TableWindowLayout kStabilityClassTable{
    {"Form2", "Atmosferik Kosul Tablosu", {9375, 3840}},
    {"Image1", ":/pictures/stability_classes.bmp", { 120,  120, 9225, 2985}},
    {"kapat", "TABLOYU KAPAT",                     { 480, 3240, 3015,  375}, kBold}};

// The rural tables are titled "KentSy" and "KentSz" (kent: urban): intended.
inline constexpr TableWindowLayout kRuralSigmaYTable{
    {"Form6", "KentSy", {4395, 3885}},
    {"Image2", ":/pictures/rural_sigma_y.jpg", {   0,    0, 4410, 3825}},
    {"Command1", "K A P A T",                  {2400, 3480, 1935,  375}, kBoldItalic}};

inline constexpr TableWindowLayout kRuralSigmaZTable{
    {"Form7", "KentSz", {7950, 6360}},
    {"Image1", ":/pictures/rural_sigma_z.jpg", {   0,    0, 7950, 6360}},
    {"Command1", "K A P A T",                  {4440, 5880, 1935,  375}, kLargeBoldItalic}};

inline constexpr TableWindowLayout kUrbanSpreadTable{
    {"Form4", "SYSZhesap", {5625, 2505}},
    {"Image3", ":/pictures/urban_spread.jpg", {   0,    0, 5610, 2505}},
    {"Command1", "K A P A T",                 {3480, 2040, 2055,  375}, kLargeBoldItalic}};

namespace references_layout {
inline constexpr WindowLayout kWindow{"Form5", "KAYNAK", {7350, 4695}};
inline constexpr PictureRow kPicture{"Image4", ":/pictures/references.png", { 240,  240, 7050, 2790}};
inline constexpr LayoutRow ruralSigmaYButton{"Command1", "Kırsal Alan Sy Hesabı",         { 840, 3360, 2535, 375}};
inline constexpr LayoutRow ruralSigmaZButton{"Command2", "Kırsal Alan Sz Hesabı",         {3600, 3360, 2535, 375}};
inline constexpr LayoutRow urbanSpreadButton{"Command3", "Kentsel Alan Sy ve Sz Hesabı",  { 840, 3960, 2535, 375}};
inline constexpr LayoutRow closeButton{"Command4", "K A P A T",                           {3600, 3960, 2535, 375}, kLargeBold};
}  // namespace references_layout
// clang-format on

}  // namespace ui
