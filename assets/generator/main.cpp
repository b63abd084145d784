// make_pictures: draws the program's six pictures and its two square menu
// icons, and writes them into the folder named by its argument
// (assets/pictures when run by the `pictures` target). Each file is read back
// to check its format and size.

#include "bmp16.h"
#include "drawings.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdio>
#include <functional>

namespace {

enum class Kind { Png24, PngAlpha, Bmp16, Jpeg };

struct Picture {
    const char* file;
    QSize size;
    Kind kind;
    std::function<QImage()> draw;
};

constexpr int kJpegQuality = 93;

bool Save(const QImage& image, Kind kind, const QString& path)
{
    switch (kind) {
    case Kind::Png24:
        return image.convertToFormat(QImage::Format_RGB888).save(path, "PNG");
    case Kind::PngAlpha:
        return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
    case Kind::Bmp16:
        return bmp16::Write(bmp16::Quantise(image), path);
    case Kind::Jpeg:
        return image.convertToFormat(QImage::Format_RGB888)
            .save(path, "JPG", kJpegQuality);
    }
    return false;
}

bool Make(const Picture& picture, const QDir& dir)
{
    const QString path = dir.filePath(QString::fromLatin1(picture.file));
    const QImage image = picture.draw();
    if (image.size() != picture.size) {
        std::fprintf(stderr, "%s: drawn at the wrong size\n", picture.file);
        return false;
    }
    if (!Save(image, picture.kind, path)) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
        return false;
    }
    const QImage back(path);
    if (back.size() != picture.size
        || back.hasAlphaChannel() != (picture.kind == Kind::PngAlpha)) {
        std::fprintf(stderr, "%s: does not read back\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", picture.file, back.width(), back.height());
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1])
                            : QStringLiteral("pictures"));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }
    const Picture pictures[] = {
        {"stack_icon.png", {50, 37}, Kind::Png24, DrawStackIcon},
        {"stability_classes.bmp", {615, 199}, Kind::Bmp16, DrawStabilityClasses},
        {"references.png", {470, 186}, Kind::Png24, DrawReferences},
        {"rural_sigma_y.jpg", {294, 255}, Kind::Jpeg, DrawRuralSigmaY},
        {"rural_sigma_z.jpg", {530, 424}, Kind::Jpeg, DrawRuralSigmaZ},
        {"urban_spread.jpg", {374, 167}, Kind::Jpeg, DrawUrbanSpread},
        // The menu icons: square, the picture unscaled and doubled.
        {"yelduman-64.png", {64, 64}, Kind::PngAlpha, [] { return DrawSquareIcon(64, 1); }},
        {"yelduman-128.png", {128, 128}, Kind::PngAlpha, [] { return DrawSquareIcon(128, 2); }},
    };
    bool ok = true;
    for (const Picture& picture : pictures)
        ok = Make(picture, dir) && ok;
    return ok ? 0 : 1;
}
