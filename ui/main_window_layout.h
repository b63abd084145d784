#pragma once
// The main window's layout: the window, its fonts, then one row per control,
// in twips. Controls inside a frame are placed relative to the frame's corner.
#include "ui/layout.h"

namespace ui::main_window_layout {

inline constexpr WindowLayout kWindow{"Form1", "Yelduman", {6705, 4395}};

// clang-format off
inline constexpr FontStyle kHeadingFont{.face = Face::Arial, .points = 12, .bold = true, .underline = true};
inline constexpr FontStyle kPromptFont{.face = Face::Arial, .points = 9.75, .bold = true, .italic = true};
inline constexpr FontStyle kGridNoteFont{.face = Face::Arial, .points = 8.25, .italic = true};
inline constexpr FontStyle kDistanceBoxFont{.face = Face::MsSansSerif, .points = 9.75, .bold = true};
inline constexpr FontStyle kFrameCaptionFont{.face = Face::MsSansSerif, .points = 8.25, .bold = true, .italic = true};
inline constexpr FontStyle kAreaOptionFont{.face = Face::MsSansSerif, .points = 8.25, .bold = true, .italic = true};
inline constexpr FontStyle kClassOptionFont{.face = Face::MsSansSerif, .points = 8.25, .bold = true};
inline constexpr FontStyle kCommandFont{.face = Face::Arial, .points = 9.75, .bold = true};

// Each row: name, caption, {left, top, width, height}, font, text colour.
inline constexpr LayoutRow kHeadingRow{"Label1", "Alansal Atmosferik Yelduman Matrisi Hesaplama",             { 240,  120, 6015, 375}, kHeadingFont, TextColour::Red};
inline constexpr LayoutRow kDistancePromptRow{"Label2", "Rüzgar Yönünde Maksimum Uzaklık giriniz X  (km)",    { 240,  720, 5055, 255}, kPromptFont};
inline constexpr LayoutRow kDistanceBoxRow{"Mesafe", "",                                                      {5280,  720,  975, 285}, kDistanceBoxFont};
inline constexpr LayoutRow kWindSpeedPromptRow{"Label3", "Rüzgar hızını giriniz (m/sn)......................................", { 240, 1080, 4935, 375}, kPromptFont};
inline constexpr LayoutRow kWindSpeedBoxRow{"Rzg", "",                                                        {5280, 1080,  975, 285}};
inline constexpr LayoutRow kStackHeightPromptRow{"Label4", "Etkin Baca Yüksekliğini Giriniz (m).........................", { 240, 1440, 4935, 375}, kPromptFont};
inline constexpr LayoutRow kStackHeightBoxRow{"Bc", "",                                                       {5280, 1440,  975, 285}};
inline constexpr LayoutRow kEmissionRatePromptRow{"Label6", "Emisyon Miktarını Giriniz (kg/sn)............................", { 240, 1800, 4815, 255}, kPromptFont};
inline constexpr LayoutRow kEmissionRateBoxRow{"Em", "",                                                      {5280, 1800,  975, 285}};
inline constexpr LayoutRow kAreaFrameRow{"Frame2", "Alansal Özellik",                                         { 240, 2280, 1935, 855}, kFrameCaptionFont, TextColour::Blue};
inline constexpr LayoutRow kRuralOptionRow{"kir", "Kırsal Alan",                                              { 240,  240, 1575, 195}, kAreaOptionFont};
inline constexpr LayoutRow kUrbanOptionRow{"kent", "Kentsel Alan",                                            { 240,  480, 1575, 195}, kAreaOptionFont};
inline constexpr LayoutRow kClassFrameRow{"Frame1", "Atmosferik Durum",                                       {2520, 2280, 3015, 855}, kFrameCaptionFont, TextColour::Blue};
inline constexpr LayoutRow kClassARow{"atma", "A",                                                            { 240,  240,  615, 255}, kClassOptionFont};
inline constexpr LayoutRow kClassBRow{"atmb", "B",                                                            { 240,  480,  495, 255}, kClassOptionFont};
inline constexpr LayoutRow kClassCRow{"atmc", "C",                                                            {1200,  240,  495, 255}, kClassOptionFont};
inline constexpr LayoutRow kClassDRow{"atmd", "D",                                                            {1200,  480,  495, 255}, kClassOptionFont};
inline constexpr LayoutRow kClassERow{"atme", "E",                                                            {2160,  240,  615, 255}, kClassOptionFont};
inline constexpr LayoutRow kClassFRow{"atmf", "F",                                                            {2160,  480,  495, 255}, kClassOptionFont};
inline constexpr LayoutRow kGridNoteRow{"Label5", "Hesaplamalar rüzgar doğrultusunda 100'er m aralıklarla 500m yanal açılım (Y) ve Yer seviyesi (Z=0) için yapılacaktır",
                                                                                                              { 240, 3240, 5415, 495}, kGridNoteFont};
inline constexpr LayoutRow kTableButtonRow{"tablo", "TABLO",                                                  { 120, 3960,  735, 255}};
inline constexpr LayoutRow kCalculateButtonRow{"hesap", "HESAPLA",                                            { 960, 3960, 1335, 255}, kCommandFont};
inline constexpr LayoutRow kExitButtonRow{"bitir", "BİTİR",                                                   {2400, 3960, 1335, 255}, kCommandFont};
inline constexpr LayoutRow kReferencesButtonRow{"KAYNAK", "KAYNAKLAR",                                        {4080, 3960, 2055, 255}};
// clang-format on

}  // namespace ui::main_window_layout
