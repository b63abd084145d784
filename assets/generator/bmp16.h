#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

#include <array>

// The 16 colours of the stability-class table and a writer for 4-bit BMP
// files, which Qt itself does not write.

namespace assets::bmp16 {

// The classic 16-colour palette: black, the dark and bright primaries and
// secondaries, two greys and white.
inline constexpr std::array<QRgb, 16> kPalette{
    0xFF000000u, 0xFF800000u, 0xFF008000u, 0xFF808000u,  // black maroon green olive
    0xFF000080u, 0xFF800080u, 0xFF008080u, 0xFFC0C0C0u,  // navy purple teal silver
    0xFF808080u, 0xFFFF0000u, 0xFF00FF00u, 0xFFFFFF00u,  // grey red lime yellow
    0xFF0000FFu, 0xFFFF00FFu, 0xFF00FFFFu, 0xFFFFFFFFu,  // blue fuchsia aqua white
};

// Maps every pixel to the nearest palette entry, without dithering.
QImage Quantise(const QImage& image);

// Writes an indexed image (Quantise's result) as a 4-bit-per-pixel BMP with a
// 16-entry colour table. Returns false when the file cannot be written.
bool Write(const QImage& indexed, const QString& path);

}  // namespace assets::bmp16
