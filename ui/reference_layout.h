#pragma once
// The design of the reference windows: the stability-class table (Form2),
// the references (Form5) and the three spread-coefficient tables (Form6,
// Form7, Form4). Each has one picture, shown unscaled with its top-left
// corner at the row's position; the row's size is the picture's own at
// 15 twips per pixel. Buttons are listed in tab order.
#include <string_view>

#include "ui/control_spec.h"

namespace ui {

struct WindowSpec {
  std::string_view name;   // the system's name, also the objectName
  std::string_view title;  // UTF-8
  TwipSize client;
};

struct PictureSpec {
  std::string_view name;
  std::string_view resource;  // Qt resource path of the picture
  Twips rect;
};

// A window that shows one table and has one button that hides it.
struct TableWindowDesign {
  WindowSpec window;
  PictureSpec picture;
  ControlSpec closeButton;
};

inline constexpr FontSpec kBold{Face::MsSansSerif, 8.25, true};
inline constexpr FontSpec kLargeBold{Face::MsSansSerif, 9.75, true};
inline constexpr FontSpec kBoldItalic{Face::MsSansSerif, 8.25, true, true};
inline constexpr FontSpec kLargeBoldItalic{Face::MsSansSerif, 9.75, true, true};

// clang-format off
namespace form2 {
inline constexpr TableWindowDesign kDesign{
    {"Form2", "Atmosferik Kosul Tablosu", {9375, 3840}},
    {"Image1", ":/pictures/stability_classes.bmp", { 120,  120, 9225, 2985}},
    {"kapat", "TABLOYU KAPAT",                     { 480, 3240, 3015,  375}, kBold}};
}  // namespace form2

namespace form6 {
inline constexpr TableWindowDesign kDesign{
    {"Form6", "KentSy", {4395, 3885}},
    {"Image2", ":/pictures/rural_sigma_y.jpg", {   0,    0, 4410, 3825}},
    {"Command1", "K A P A T",                  {2400, 3480, 1935,  375}, kBoldItalic}};
}  // namespace form6

namespace form7 {
inline constexpr TableWindowDesign kDesign{
    {"Form7", "KentSz", {7950, 6360}},
    {"Image1", ":/pictures/rural_sigma_z.jpg", {   0,    0, 7950, 6360}},
    {"Command1", "K A P A T",                  {4440, 5880, 1935,  375}, kLargeBoldItalic}};
}  // namespace form7

namespace form4 {
inline constexpr TableWindowDesign kDesign{
    {"Form4", "SYSZhesap", {5625, 2505}},
    {"Image3", ":/pictures/urban_spread.jpg", {   0,    0, 5610, 2505}},
    {"Command1", "K A P A T",                 {3480, 2040, 2055,  375}, kLargeBoldItalic}};
}  // namespace form4

namespace form5 {
inline constexpr WindowSpec kWindow{"Form5", "KAYNAK", {7350, 4695}};
inline constexpr PictureSpec Image4{"Image4", ":/pictures/references.png", { 240,  240, 7050, 2790}};
inline constexpr ControlSpec Command1{"Command1", "Kırsal Alan Sy Hesabı",        { 840, 3360, 2535, 375}};
inline constexpr ControlSpec Command2{"Command2", "Kırsal Alan Sz Hesabı",        {3600, 3360, 2535, 375}};
inline constexpr ControlSpec Command3{"Command3", "Kentsel Alan Sy ve Sz Hesabı", { 840, 3960, 2535, 375}};
inline constexpr ControlSpec Command4{"Command4", "K A P A T",                    {3600, 3960, 2535, 375}, kLargeBold};
}  // namespace form5
// clang-format on

}  // namespace ui
