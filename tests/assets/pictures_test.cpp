#include <gtest/gtest.h>
#include <QtGui>

#include <cmath>

#include "assets/pictures.h"

namespace {

// Each picture as the windows show it, its size and how many copies it has.
// clang-format off
const struct { const char* resource; QSize size; int largestScale; } kPictures[] = {
    {":/pictures/stack_icon.png", {50, 37}, 3},         {":/pictures/stability_classes.bmp", {615, 199}, 3},
    {":/pictures/references.png", {470, 186}, 3},       {":/pictures/rural_sigma_y.jpg", {294, 255}, 2},
    {":/pictures/rural_sigma_z.jpg", {530, 424}, 2},    {":/pictures/urban_spread.jpg", {374, 167}, 2},
};
// clang-format on

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The copy drawn at `scale` times the resolution: name@2x, name@3x (the
// stability-class table's copies are PNG).
QString CopyOf(const char* resource, int scale) {
  QString path = QString::fromLatin1(resource);
  if (scale == 1) return path;
  path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
  return path.replace(QLatin1String(".bmp"), QLatin1String(".png"));
}

// A copy is drawn anew, not the small picture's pixels repeated (the white table differs in 2 %).
TEST(PicturesTest, EveryDensityGetsItsCopyInItsOwnPixels) {
  for (const auto& p : kPictures) {
    const QImage one(CopyOf(p.resource, 1));
    ASSERT_EQ(one.size(), p.size) << p.resource;
    for (const qreal ratio : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0}) {
      SCOPED_TRACE(std::string(p.resource) + " at " + std::to_string(ratio));
      const QPixmap shown = LoadPicture(QString::fromLatin1(p.resource), ratio);
      EXPECT_EQ(shown.devicePixelRatio(), ratio);
      EXPECT_EQ(shown.size(), (QSizeF(p.size) * ratio).toSize());
      // Between copies, or past the largest, the next larger copy (or the largest) is resampled
      // smoothly: reduced it keeps every line, enlarged or repeated it would blur or jag.
      const int scale = std::min(int(std::ceil(ratio)), p.largestScale);
      const QImage copy = Rgb(QImage(CopyOf(p.resource, scale)));
      EXPECT_EQ(Rgb(shown.toImage()),
                Rgb(copy.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
      if (ratio != scale || ratio == 1) continue;
      const QImage repeated =
          Rgb(one.scaled(copy.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
      long differing = 0;
      for (int y = 0; y < copy.height(); ++y)
        for (int x = 0; x < copy.width(); ++x)
          differing += copy.pixel(x, y) != repeated.pixel(x, y);
      EXPECT_GT(double(differing) / (copy.width() * copy.height()), 0.01);
    }
  }
}

// Theme files: each size a square on a transparent ground; the SVG whole, its fills all defined.
TEST(PicturesTest, IconsHoldEveryCopyAndEveryThemeSize) {
  const QIcon icon = LoadStackIcon();
  EXPECT_EQ(icon.availableSizes(), QList<QSize>({{50, 37}, {100, 74}, {150, 111}}));
  EXPECT_EQ(Rgb(icon.pixmap(QSize(50, 37), 3).toImage()),
            Rgb(QImage(CopyOf(kPictures[0].resource, 3))));
  const QString dir = QStringLiteral(YELDUMAN_PICTURES_DIR "/");
  // The Windows icon file holds the same sizes, in order, each a PNG whose
  // offset and length its directory entry gives (a side of 256 written as 0).
  QFile ico(dir + QStringLiteral("yelduman.ico"));
  ASSERT_TRUE(ico.open(QIODevice::ReadOnly));
  const QByteArray windowsIcon = ico.readAll();
  const auto u32 = [&](qsizetype at) {
    return qFromLittleEndian<quint32>(windowsIcon.data() + at);
  };
  ASSERT_EQ(windowsIcon.left(6), QByteArray("\0\0\1\0\7\0", 6));
  int entry = 0;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(dir + QStringLiteral("yelduman-%1.png").arg(side));
    EXPECT_EQ(icon.size(), QSize(side, side)) << side;
    EXPECT_LT(qAlpha(icon.pixel(0, 0)), 64)
        << side << ": the rounded corner lets the ground through";
    const qsizetype at = 6 + 16 * entry++;
    EXPECT_EQ(quint8(windowsIcon[at]), side % 256) << side;
    const QImage inIco = QImage::fromData(windowsIcon.mid(u32(at + 12), u32(at + 8)), "PNG");
    EXPECT_EQ(inIco.convertToFormat(QImage::Format_ARGB32),
              icon.convertToFormat(QImage::Format_ARGB32))
        << side;
  }
  QFile file(dir + QStringLiteral("yelduman.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader svg(&file);
  QStringList defined, used;
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = svg.attributes();
    if (a.hasAttribute(QLatin1String("id"))) defined << a.value(QLatin1String("id")).toString();
    const QString fill = a.value(QLatin1String("fill")).toString();
    if (fill.startsWith(QLatin1String("url(#"))) used << fill.mid(5).chopped(1);
  }
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  for (const QString& id : used) EXPECT_TRUE(defined.contains(id)) << id.toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
#ifndef _WIN32  // on Windows the Windows platform, the one students see
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
