#pragma once
// The files of assets/pictures/, written once. Everything else follows from
// this list: the resource file that embeds the windows' pictures (made from
// the rows of kPictures by assets/CMakeLists.txt), the generator's drawings
// (generator/draw_<name>.cpp for each row) and what it writes, the copies
// LoadPicture chooses from and the icon's sizes. The pictures test holds the
// folder to it: a file listed here and missing there, or there and not
// listed here, fails it.
//
// To add a picture: a row in kPictures (kept to the one-line form below,
// which CMake reads) and its drawing, generator/draw_<name>.cpp.

#include <QLatin1String>
#include <QSize>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <string_view>

namespace assets {

// How a file holds its pixels.
enum class Format {
  Png24,     // PNG, 24-bit colour
  PngAlpha,  // PNG, 24-bit colour and an alpha channel
  Png16,     // PNG in the 16 colours of generator/bmp16.h
  Bmp16,     // 4-bit BMP in the same 16 colours
  Jpeg,      // JPEG
};

constexpr std::string_view Extension(Format format) {
  switch (format) {
    case Format::Png24:
    case Format::PngAlpha:
    case Format::Png16: return "png";
    case Format::Bmp16: return "bmp";
    case Format::Jpeg: return "jpg";
  }
  return "";
}

// A picture the windows show, drawn once as they show it and again at 2 (and
// up to `largestScale`) times the resolution for dense screens: name.ext,
// name@2x.ext, name@3x.ext.
struct Picture {
  std::string_view name;
  QSize size;           // in pixels, as the windows show it
  Format format;        // of the picture itself
  Format copiesFormat;  // of its copies for dense screens
  int largestScale;     // its largest copy, in device pixels to the picture pixel
};

// The stability-class table keeps its 16 colours at every size; its copies
// are PNG, which an uncompressed BMP would outgrow (245 KB and 550 KB against
// 13 KB and 21 KB). The scanned tables stop at twice: their grain is new
// detail in every pixel, so copies at three times would add 740 KB.
// clang-format off
inline constexpr Picture kPictures[] = {
    {"stack_icon",        {50, 37},   Format::Png24, Format::Png24, 3},  // window and program icon
    {"stability_classes", {615, 199}, Format::Bmp16, Format::Png16, 3},  // Form2
    {"references",        {470, 186}, Format::Png24, Format::Png24, 3},  // Form5
    {"rural_sigma_y",     {294, 255}, Format::Jpeg,  Format::Jpeg,  2},  // Form6
    {"rural_sigma_z",     {530, 424}, Format::Jpeg,  Format::Jpeg,  2},  // Form7
    {"urban_spread",      {374, 167}, Format::Jpeg,  Format::Jpeg,  2},  // Form4
};
// clang-format on

// The menu icon, installed into the icon theme and not embedded: one drawing
// as yelduman.svg, as yelduman-N.png (PngAlpha) for each of these sides, and
// as yelduman.ico holding the same sides in order. CMake reads this line too,
// for the theme's NxN folders (packaging/linux).
inline constexpr int kMenuIconSides[] = {16, 24, 32, 48, 64, 128, 256};
inline constexpr QLatin1String kMenuIconSvg("yelduman.svg");
inline constexpr QLatin1String kWindowsIconFile("yelduman.ico");

// The listed picture of that name; naming one not listed does not compile
// where the result is a constant.
constexpr const Picture& PictureNamed(std::string_view name) {
  for (const Picture& picture : kPictures)
    if (picture.name == name) return picture;
  throw std::invalid_argument("not in kPictures");
}

// stability_classes.bmp at 1, stability_classes@2x.png at 2, ...
inline QString FileName(const Picture& picture, int scale) {
  const Format format = scale == 1 ? picture.format : picture.copiesFormat;
  QString name = QLatin1String(picture.name.data(), qsizetype(picture.name.size()));
  if (scale != 1) name += QStringLiteral("@%1x").arg(scale);
  const std::string_view extension = Extension(format);
  return name + QLatin1Char('.') + QLatin1String(extension.data(), qsizetype(extension.size()));
}

// Where the program finds it: every copy is embedded under :/pictures/.
inline QString ResourcePath(const Picture& picture, int scale) {
  return QStringLiteral(":/pictures/") + FileName(picture, scale);
}

inline QString MenuIconFileName(int side) { return QStringLiteral("yelduman-%1.png").arg(side); }

// Every file the list names, in its order.
inline QStringList ListedFiles() {
  QStringList files;
  for (const Picture& picture : kPictures)
    for (int scale = 1; scale <= picture.largestScale; ++scale) files << FileName(picture, scale);
  for (int side : kMenuIconSides) files << MenuIconFileName(side);
  return files << kMenuIconSvg << kWindowsIconFile;
}

}  // namespace assets
