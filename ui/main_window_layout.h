#pragma once
// The main window's layout table: the window, then one row per control, in
// twips. Controls inside a frame are placed relative to the frame's corner.
#include "ui/layout_row.h"
#include "ui/window_setup.h"

namespace ui::main_window_layout {

inline constexpr WindowLayout kWindow{"Form1", "Yelduman", {6705, 4395}};

inline constexpr FontStyle kHeading{Face::Arial, 12, true, false, true};
inline constexpr FontStyle kPrompt{Face::Arial, 9.75, true, true};
inline constexpr FontStyle kNote{Face::Arial, 8.25, false, true};
inline constexpr FontStyle kDistanceBox{Face::MsSansSerif, 9.75, true};
inline constexpr FontStyle kFrameCaption{Face::MsSansSerif, 8.25, true, true};
inline constexpr FontStyle kAreaOption{Face::MsSansSerif, 8.25, true, true};
inline constexpr FontStyle kClassOption{Face::MsSansSerif, 8.25, true};
inline constexpr FontStyle kCommand{Face::Arial, 9.75, true};

// Each row: name, caption, {left, top, width, height}, font, text colour.
// clang-format off
inline constexpr LayoutRow heading{"Label1", "Alansal Atmosferik Yelduman Matrisi Hesaplama",             { 240,  120, 6015, 375}, kHeading,      TextColour::Red};
inline constexpr LayoutRow distancePrompt{"Label2", "Rüzgar Yönünde Maksimum Uzaklık giriniz X  (km)",     { 240,  720, 5055, 255}, kPrompt};
inline constexpr LayoutRow distanceBox{"Mesafe", "",                                                       {5280,  720,  975, 285}, kDistanceBox};
inline constexpr LayoutRow windSpeedPrompt{"Label3", "Rüzgar hızını giriniz (m/sn)......................................", { 240, 1080, 4935, 375}, kPrompt};
inline constexpr LayoutRow windSpeedBox{"Rzg", "",                                                         {5280, 1080,  975, 285}};
inline constexpr LayoutRow stackHeightPrompt{"Label4", "Etkin Baca Yüksekliğini Giriniz (m).........................", { 240, 1440, 4935, 375}, kPrompt};
inline constexpr LayoutRow stackHeightBox{"Bc", "",                                                        {5280, 1440,  975, 285}};
inline constexpr LayoutRow emissionRatePrompt{"Label6", "Emisyon Miktarını Giriniz (kg/sn)............................", { 240, 1800, 4815, 255}, kPrompt};
inline constexpr LayoutRow emissionRateBox{"Em", "",                                                       {5280, 1800,  975, 285}};
inline constexpr LayoutRow areaFrame{"Frame2", "Alansal Özellik",                                          { 240, 2280, 1935, 855}, kFrameCaption, TextColour::Blue};
inline constexpr LayoutRow ruralOption{"kir", "Kırsal Alan",                                               { 240,  240, 1575, 195}, kAreaOption};
inline constexpr LayoutRow urbanOption{"kent", "Kentsel Alan",                                             { 240,  480, 1575, 195}, kAreaOption};
inline constexpr LayoutRow classFrame{"Frame1", "Atmosferik Durum",                                        {2520, 2280, 3015, 855}, kFrameCaption, TextColour::Blue};
inline constexpr LayoutRow classA{"atma", "A",                                                             { 240,  240,  615, 255}, kClassOption};
inline constexpr LayoutRow classB{"atmb", "B",                                                             { 240,  480,  495, 255}, kClassOption};
inline constexpr LayoutRow classC{"atmc", "C",                                                             {1200,  240,  495, 255}, kClassOption};
inline constexpr LayoutRow classD{"atmd", "D",                                                             {1200,  480,  495, 255}, kClassOption};
inline constexpr LayoutRow classE{"atme", "E",                                                             {2160,  240,  615, 255}, kClassOption};
inline constexpr LayoutRow classF{"atmf", "F",                                                             {2160,  480,  495, 255}, kClassOption};
inline constexpr LayoutRow gridNote{"Label5", "Hesaplamalar rüzgar doğrultusunda 100'er m aralıklarla 500m yanal açılım (Y) ve Yer seviyesi (Z=0) için yapılacaktır",
                                                                                                           { 240, 3240, 5415, 495}, kNote};
inline constexpr LayoutRow tableButton{"tablo", "TABLO",                                                   { 120, 3960,  735, 255}};
inline constexpr LayoutRow calculateButton{"hesap", "HESAPLA",                                             { 960, 3960, 1335, 255}, kCommand};
inline constexpr LayoutRow exitButton{"bitir", "BİTİR",                                                    {2400, 3960, 1335, 255}, kCommand};
inline constexpr LayoutRow referencesButton{"KAYNAK", "KAYNAKLAR",                                         {4080, 3960, 2055, 255}};
// clang-format on

}  // namespace ui::main_window_layout
