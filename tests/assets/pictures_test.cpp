// Every picture's copies for dense screens: drawn anew at their resolution,
// each the picture's exact multiple, and the copy a window gets for its
// screen covering the same window pixels as the picture itself. Also the
// menu icon's files for the icon theme.
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "assets/pictures.h"

namespace {

struct Picture {
  const char* resource;  // as the windows show it
  QSize size;
  std::vector<const char*> copies;  // at two, then three times the resolution
  int maxColours;                   // 0 for full colour
};

// clang-format off
const Picture kPictures[] = {
    {":/pictures/stack_icon.png",        { 50,  37}, {":/pictures/stack_icon@2x.png",
                                                       ":/pictures/stack_icon@3x.png"}, 0},
    {":/pictures/stability_classes.bmp", {615, 199}, {":/pictures/stability_classes@2x.png",
                                                       ":/pictures/stability_classes@3x.png"}, 16},
    {":/pictures/references.png",        {470, 186}, {":/pictures/references@2x.png",
                                                       ":/pictures/references@3x.png"}, 0},
    {":/pictures/rural_sigma_y.jpg",     {294, 255}, {":/pictures/rural_sigma_y@2x.jpg"}, 0},
    {":/pictures/rural_sigma_z.jpg",     {530, 424}, {":/pictures/rural_sigma_z@2x.jpg"}, 0},
    {":/pictures/urban_spread.jpg",      {374, 167}, {":/pictures/urban_spread@2x.jpg"}, 0},
};
// clang-format on

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Share of the pixels in which two pictures of one size differ.
double DifferingShare(const QImage& a, const QImage& b) {
  const QImage x = Rgb(a), y = Rgb(b);
  long differing = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) differing += x.pixel(col, row) != y.pixel(col, row);
  return double(differing) / (double(x.width()) * x.height());
}

TEST(PicturesTest, EveryCopyIsDrawnAtItsResolutionAndShownPixelForPixel) {
  for (const Picture& p : kPictures) {
    const QImage one(QString::fromLatin1(p.resource));
    ASSERT_EQ(one.size(), p.size) << p.resource;
    for (int scale = 2; scale <= int(p.copies.size()) + 1; ++scale) {
      const char* path = p.copies[scale - 2];
      SCOPED_TRACE(path);
      const QImage copy(QString::fromLatin1(path));
      ASSERT_EQ(copy.size(), p.size * scale);
      EXPECT_EQ(copy.colorCount() > 0, p.maxColours > 0);
      EXPECT_LE(copy.colorCount(), p.maxColours);
      // Drawn anew, not the small picture with its pixels repeated: the
      // stability-class table, mostly white ground, differs in about 2 %.
      const QImage repeated = one.scaled(copy.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
      EXPECT_GT(DifferingShare(copy, repeated), 0.01);

      const QPixmap shown = LoadPicture(QString::fromLatin1(p.resource), scale);
      EXPECT_EQ(shown.devicePixelRatio(), scale);
      EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(p.size));
      EXPECT_EQ(Rgb(shown.toImage()), Rgb(copy));
    }
    const QPixmap plain = LoadPicture(QString::fromLatin1(p.resource), 1.0);
    EXPECT_EQ(plain.devicePixelRatio(), 1.0) << p.resource;
    EXPECT_EQ(Rgb(plain.toImage()), Rgb(one)) << p.resource;
  }
}

// Screens between the copies, or denser than the largest: the picture in the
// screen's own pixels, still covering its own size in window pixels.
TEST(PicturesTest, ScreensOfOtherDensitiesGetThePictureInTheirOwnPixels) {
  for (const Picture& p : kPictures) {
    for (qreal ratio : {1.25, 1.5, 1.75, 2.5, 3.0, 4.0}) {
      SCOPED_TRACE(std::string(p.resource) + " at " + std::to_string(ratio));
      const QPixmap shown = LoadPicture(QString::fromLatin1(p.resource), ratio);
      EXPECT_EQ(shown.devicePixelRatio(), ratio);
      EXPECT_EQ(shown.width(), std::lround(p.size.width() * ratio));
      EXPECT_EQ(shown.height(), std::lround(p.size.height() * ratio));
      EXPECT_EQ(shown.deviceIndependentSize().toSize(), p.size);
    }
  }
}

TEST(PicturesTest, TheIconHoldsEveryCopyAndQtPicksTheOneForTheScreen) {
  const QIcon icon = LoadStackIcon();
  EXPECT_EQ(icon.availableSizes(), QList<QSize>({{50, 37}, {100, 74}, {150, 111}}));
  const Picture& stack = kPictures[0];
  for (int scale = 1; scale <= 3; ++scale) {
    const QPixmap shown = icon.pixmap(stack.size, scale);
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(stack.size)) << scale;
    const char* copy = scale == 1 ? stack.resource : stack.copies[scale - 2];
    EXPECT_EQ(Rgb(shown.toImage()), Rgb(QImage(QString::fromLatin1(copy)))) << scale;
  }
}

// The icon theme's files: each fixed size a square of that many pixels on a
// transparent ground, and the SVG a whole document whose fills all exist.
TEST(PicturesTest, MenuIconsHaveTheirThemeSizesAndTheSvgIsWhole) {
  const QString dir = QStringLiteral(YELDUMAN_PICTURES_DIR "/");
  for (int side : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(dir + QStringLiteral("yelduman-%1.png").arg(side));
    EXPECT_EQ(icon.size(), QSize(side, side)) << side;
    EXPECT_TRUE(icon.hasAlphaChannel()) << side;
    EXPECT_LT(qAlpha(icon.pixel(0, 0)), 64) << side << ": the rounded corner lets the ground through";
    EXPECT_EQ(qAlpha(icon.pixel(side / 2, side / 2)), 255) << side;
  }

  QFile file(dir + QStringLiteral("yelduman.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader svg(&file);
  QStringList defined, used;
  bool root = true;
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = svg.attributes();
    if (root) {
      EXPECT_EQ(svg.name(), QLatin1String("svg"));
      EXPECT_EQ(a.value(QLatin1String("viewBox")), QLatin1String("0 0 256 256"));
      root = false;
    }
    if (a.hasAttribute(QLatin1String("id"))) defined << a.value(QLatin1String("id")).toString();
    const QString fill = a.value(QLatin1String("fill")).toString();
    if (fill.startsWith(QLatin1String("url(#"))) used << fill.mid(5).chopped(1);
  }
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  EXPECT_FALSE(used.isEmpty());
  for (const QString& id : used) EXPECT_TRUE(defined.contains(id)) << id.toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
