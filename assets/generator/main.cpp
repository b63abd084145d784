// make_pictures: draws every file of assets/picture_list.h: each picture as
// the windows show it and its copies for dense screens, by the drawing its
// generator/draw_<name>.cpp registers, and the square menu icon as SVG, at
// each side of the icon theme and as the Windows icon file. It writes them
// into the folder named by its argument (assets/pictures when run by the
// `pictures` target) and reads each picture back to check its format and size.

#include "assets/generator/bmp16.h"
#include "assets/generator/draw_menu_icon.h"
#include "assets/generator/drawings.h"
#include "assets/generator/windows_icon_file.h"
#include "assets/picture_list.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdio>
#include <map>
#include <string_view>

namespace assets::gen {
namespace {

std::map<std::string_view, Drawing>& Drawings() {
  static std::map<std::string_view, Drawing> drawings;
  return drawings;
}

// The scanned tables are photographic: JPEG. A device pixel of the larger
// copy is a quarter of a window pixel, so a lower quality leaves it as sharp
// on screen for fewer bytes.
int JpegQuality(int scale) { return scale == 1 ? 93 : 85; }

bool Save(const QImage& image, Format format, int scale, const QString& path) {
  switch (format) {
    case Format::Png24: return image.convertToFormat(QImage::Format_RGB888).save(path, "PNG");
    case Format::PngAlpha: return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
    case Format::Bmp16: return bmp16::Write(bmp16::Quantise(image), path);
    case Format::Png16: return bmp16::Quantise(image).save(path, "PNG");
    case Format::Jpeg:
      return image.convertToFormat(QImage::Format_RGB888).save(path, "JPG", JpegQuality(scale));
  }
  return false;
}

bool ReadsBack(const QString& path, QSize size, Format format) {
  const QImage back(path);
  return back.size() == size && back.hasAlphaChannel() == (format == Format::PngAlpha) &&
         (format == Format::Bmp16 || format == Format::Png16) == (back.colorCount() > 0) &&
         back.colorCount() <= 16;
}

bool Make(const QString& file, QSize size, Format format, int scale, const QImage& image,
          const QDir& dir) {
  const QString path = dir.filePath(file);
  if (image.size() != size) {
    std::fprintf(stderr, "%s: drawn at the wrong size\n", qPrintable(file));
    return false;
  }
  if (!Save(image, format, scale, path)) {
    std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
    return false;
  }
  if (!ReadsBack(path, size, format)) {
    std::fprintf(stderr, "%s: does not read back\n", qPrintable(path));
    return false;
  }
  std::printf("%s  %dx%d\n", qPrintable(file), size.width(), size.height());
  return true;
}

bool WriteFile(const QString& file, const QByteArray& bytes, const QDir& dir) {
  QFile out(dir.filePath(file));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "%s: cannot write\n", qPrintable(out.fileName()));
    return false;
  }
  std::printf("%s  %lld bytes\n", qPrintable(file), static_cast<long long>(bytes.size()));
  return true;
}

bool MakeEveryScale(const Picture& picture, Drawing draw, const QDir& dir) {
  bool ok = true;
  for (int scale = 1; scale <= picture.largestScale; ++scale) {
    const Format format = scale == 1 ? picture.format : picture.copiesFormat;
    ok =
        Make(FileName(picture, scale), picture.size * scale, format, scale, draw(scale), dir) && ok;
  }
  return ok;
}

}  // namespace

DrawingOf::DrawingOf(std::string_view name, Drawing draw) { Drawings()[name] = draw; }

Drawing FindDrawing(std::string_view name) {
  const auto found = Drawings().find(name);
  return found == Drawings().end() ? nullptr : found->second;
}

}  // namespace assets::gen

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pictures"));
  if (!dir.exists() && !QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
    return 1;
  }
  using namespace assets;
  using namespace assets::gen;
  bool ok = true;
  for (const Picture& picture : kPictures) {
    const Drawing draw = FindDrawing(picture.name);
    if (draw == nullptr) {
      std::fprintf(stderr, "%.*s: no drawing registered\n", int(picture.name.size()),
                   picture.name.data());
      ok = false;
      continue;
    }
    ok = MakeEveryScale(picture, draw, dir) && ok;
  }
  // The menu icon, each side drawn at that side, and the same sides in the
  // Windows program's icon.
  QList<QImage> iconSides;
  for (int side : kMenuIconSides) {
    iconSides.append(DrawMenuIcon(side));
    ok = Make(MenuIconFileName(side), {side, side}, Format::PngAlpha, 1, iconSides.back(), dir) &&
         ok;
  }
  ok = WriteFile(kMenuIconSvg, MenuIconSvg(), dir) && ok;
  ok = WriteFile(kWindowsIconFile, WindowsIconFile(iconSides), dir) && ok;
  return ok ? 0 : 1;
}
