// make_pictures: draws the program's six pictures, each as the windows show
// it and again at two (and most at three) times the resolution for dense
// screens, and the square menu icon as SVG and at every size of the icon
// theme. It writes them into the folder named by its argument
// (assets/pictures when run by the `pictures` target) and reads each picture
// back to check its format and size.

#include "bmp16.h"
#include "draw_menu_icon.h"
#include "drawings.h"
#include "windows_icon_file.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdio>
#include <functional>

namespace {

enum class Kind { Png24, PngAlpha, Bmp16, Png16, Jpeg };

// The sizes of the icon theme's fixed-size folders (hicolor/NxN/apps).
constexpr int kMenuIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

struct Picture {
  const char* name;  // file name without the extension
  QSize size;        // as the windows show it
  Kind kind;         // of the picture as shown at one device pixel per pixel
  Kind denseKind;    // of the larger copies
  int maxScale;      // the largest copy, in device pixels to the picture pixel
  std::function<QImage(int scale)> draw;
};

// The scanned tables are photographic: JPEG. A device pixel of the larger
// copy is a quarter of a window pixel, so a lower quality leaves it as sharp
// on screen for fewer bytes.
int JpegQuality(int scale) { return scale == 1 ? 93 : 85; }

const char* Extension(Kind kind) {
  switch (kind) {
    case Kind::Png24:
    case Kind::PngAlpha:
    case Kind::Png16: return "png";
    case Kind::Bmp16: return "bmp";
    case Kind::Jpeg: return "jpg";
  }
  return "";
}

bool Save(const QImage& image, Kind kind, int scale, const QString& path) {
  switch (kind) {
    case Kind::Png24: return image.convertToFormat(QImage::Format_RGB888).save(path, "PNG");
    case Kind::PngAlpha: return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
    case Kind::Bmp16: return bmp16::Write(bmp16::Quantise(image), path);
    case Kind::Png16: return bmp16::Quantise(image).save(path, "PNG");
    case Kind::Jpeg:
      return image.convertToFormat(QImage::Format_RGB888).save(path, "JPG", JpegQuality(scale));
  }
  return false;
}

bool ReadsBack(const QString& path, QSize size, Kind kind) {
  const QImage back(path);
  return back.size() == size && back.hasAlphaChannel() == (kind == Kind::PngAlpha) &&
         (kind == Kind::Bmp16 || kind == Kind::Png16) == (back.colorCount() > 0) &&
         back.colorCount() <= 16;
}

bool Make(const char* file, QSize size, Kind kind, int scale, const QImage& image,
          const QDir& dir) {
  const QString path = dir.filePath(QString::fromLatin1(file));
  if (image.size() != size) {
    std::fprintf(stderr, "%s: drawn at the wrong size\n", file);
    return false;
  }
  if (!Save(image, kind, scale, path)) {
    std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
    return false;
  }
  if (!ReadsBack(path, size, kind)) {
    std::fprintf(stderr, "%s: does not read back\n", qPrintable(path));
    return false;
  }
  std::printf("%s  %dx%d\n", file, size.width(), size.height());
  return true;
}

bool WriteFile(const char* file, const QByteArray& bytes, const QDir& dir) {
  QFile out(dir.filePath(QString::fromLatin1(file)));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "%s: cannot write\n", qPrintable(out.fileName()));
    return false;
  }
  std::printf("%s  %lld bytes\n", file, static_cast<long long>(bytes.size()));
  return true;
}

// stability_classes.bmp, stability_classes@2x.png, ...
QByteArray FileName(const Picture& picture, int scale) {
  const Kind kind = scale == 1 ? picture.kind : picture.denseKind;
  QByteArray name(picture.name);
  if (scale != 1) name += '@' + QByteArray::number(scale) + 'x';
  return name + '.' + Extension(kind);
}

bool MakeEveryScale(const Picture& picture, const QDir& dir) {
  bool ok = true;
  for (int scale = 1; scale <= picture.maxScale; ++scale) {
    const Kind kind = scale == 1 ? picture.kind : picture.denseKind;
    ok = Make(FileName(picture, scale).constData(), picture.size * scale, kind, scale,
              picture.draw(scale), dir) &&
         ok;
  }
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pictures"));
  if (!dir.exists() && !QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
    return 1;
  }
  // The table keeps its 16 colours at every size; a 4-bit BMP, having no
  // compression, would grow with the area (550 KB at three times), while a
  // PNG with the same 16-colour palette stays small and exact (21 KB).
  // The scanned tables stop at twice: their grain is new detail in every
  // pixel, so a copy at three times would cost 740 KB more for the three,
  // against 140 KB for the three others together.
  const Picture pictures[] = {
      {"stack_icon", {50, 37}, Kind::Png24, Kind::Png24, 3, DrawStackIcon},
      {"stability_classes", {615, 199}, Kind::Bmp16, Kind::Png16, 3, DrawStabilityClasses},
      {"references", {470, 186}, Kind::Png24, Kind::Png24, 3, DrawReferences},
      {"rural_sigma_y", {294, 255}, Kind::Jpeg, Kind::Jpeg, 2, DrawRuralSigmaY},
      {"rural_sigma_z", {530, 424}, Kind::Jpeg, Kind::Jpeg, 2, DrawRuralSigmaZ},
      {"urban_spread", {374, 167}, Kind::Jpeg, Kind::Jpeg, 2, DrawUrbanSpread},
  };
  bool ok = true;
  for (const Picture& picture : pictures) ok = MakeEveryScale(picture, dir) && ok;
  // The menu icon, each size drawn at that size.
  for (int side : kMenuIconSizes) {
    const QByteArray file = "yelduman-" + QByteArray::number(side) + ".png";
    ok = Make(file.constData(), {side, side}, Kind::PngAlpha, 1, DrawMenuIcon(side), dir) && ok;
  }
  ok = WriteFile("yelduman.svg", MenuIconSvg(), dir) && ok;
  // The Windows program's icon: the same sizes in one file.
  QList<QImage> iconSizes;
  for (int side : kMenuIconSizes) iconSizes.append(DrawMenuIcon(side));
  ok = WriteFile("yelduman.ico", WindowsIconFile(iconSizes), dir) && ok;
  return ok ? 0 : 1;
}
