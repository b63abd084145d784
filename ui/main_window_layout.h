#pragma once
// The main window's design: client size and one row per control, in twips.
// Controls inside a frame are placed relative to the frame's corner.
#include "ui/control_spec.h"

namespace ui::form1 {

inline constexpr TwipSize kClient{6705, 4395};
inline constexpr char kTitle[] = "Yelduman";

inline constexpr FontSpec kHeading{Face::Arial, 12, true, false, true};
inline constexpr FontSpec kPrompt{Face::Arial, 9.75, true, true};
inline constexpr FontSpec kNote{Face::Arial, 8.25, false, true};
inline constexpr FontSpec kDistanceBox{Face::MsSansSerif, 9.75, true};
inline constexpr FontSpec kFrameCaption{Face::MsSansSerif, 8.25, true, true};
inline constexpr FontSpec kAreaOption{Face::MsSansSerif, 8.25, true, true};
inline constexpr FontSpec kClassOption{Face::MsSansSerif, 8.25, true};
inline constexpr FontSpec kCommand{Face::Arial, 9.75, true};

// Each row: name, caption, {left, top, width, height}, font, text colour.
// clang-format off
inline constexpr ControlSpec Label1{"Label1", "Alansal Atmosferik Yelduman Matrisi Hesaplama",       { 240,  120, 6015, 375}, kHeading,      TextColour::Red};
inline constexpr ControlSpec Label2{"Label2", "Rüzgar Yönünde Maksimum Uzaklık giriniz X  (km)",     { 240,  720, 5055, 255}, kPrompt};
inline constexpr ControlSpec Mesafe{"Mesafe", "",                                                    {5280,  720,  975, 285}, kDistanceBox};
inline constexpr ControlSpec Label3{"Label3", "Rüzgar hızını giriniz (m/sn)......................................", { 240, 1080, 4935, 375}, kPrompt};
inline constexpr ControlSpec Rzg{"Rzg", "",                                                          {5280, 1080,  975, 285}};
inline constexpr ControlSpec Label4{"Label4", "Etkin Baca Yüksekliğini Giriniz (m).........................", { 240, 1440, 4935, 375}, kPrompt};
inline constexpr ControlSpec Bc{"Bc", "",                                                            {5280, 1440,  975, 285}};
inline constexpr ControlSpec Label6{"Label6", "Emisyon Miktarını Giriniz (kg/sn)............................", { 240, 1800, 4815, 255}, kPrompt};
inline constexpr ControlSpec Em{"Em", "",                                                            {5280, 1800,  975, 285}};
inline constexpr ControlSpec Frame2{"Frame2", "Alansal Özellik",                                     { 240, 2280, 1935, 855}, kFrameCaption, TextColour::Blue};
inline constexpr ControlSpec kir{"kir", "Kırsal Alan",                                               { 240,  240, 1575, 195}, kAreaOption};
inline constexpr ControlSpec kent{"kent", "Kentsel Alan",                                            { 240,  480, 1575, 195}, kAreaOption};
inline constexpr ControlSpec Frame1{"Frame1", "Atmosferik Durum",                                    {2520, 2280, 3015, 855}, kFrameCaption, TextColour::Blue};
inline constexpr ControlSpec atma{"atma", "A",                                                       { 240,  240,  615, 255}, kClassOption};
inline constexpr ControlSpec atmb{"atmb", "B",                                                       { 240,  480,  495, 255}, kClassOption};
inline constexpr ControlSpec atmc{"atmc", "C",                                                       {1200,  240,  495, 255}, kClassOption};
inline constexpr ControlSpec atmd{"atmd", "D",                                                       {1200,  480,  495, 255}, kClassOption};
inline constexpr ControlSpec atme{"atme", "E",                                                       {2160,  240,  615, 255}, kClassOption};
inline constexpr ControlSpec atmf{"atmf", "F",                                                       {2160,  480,  495, 255}, kClassOption};
inline constexpr ControlSpec Label5{"Label5", "Hesaplamalar rüzgar doğrultusunda 100'er m aralıklarla 500m yanal açılım (Y) ve Yer seviyesi (Z=0) için yapılacaktır",
                                                                                                      { 240, 3240, 5415, 495}, kNote};
inline constexpr ControlSpec tablo{"tablo", "TABLO",                                                 { 120, 3960,  735, 255}};
inline constexpr ControlSpec hesap{"hesap", "HESAPLA",                                               { 960, 3960, 1335, 255}, kCommand};
inline constexpr ControlSpec bitir{"bitir", "BİTİR",                                                 {2400, 3960, 1335, 255}, kCommand};
inline constexpr ControlSpec KAYNAK{"KAYNAK", "KAYNAKLAR",                                           {4080, 3960, 2055, 255}};
// clang-format on

}  // namespace ui::form1
