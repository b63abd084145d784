#include <gtest/gtest.h>
#include <QtGui>

#include <algorithm>
#include <iterator>

#include "assets/picture_list.h"
#include "assets/pictures.h"

namespace assets {
namespace {

const QString kFolder = QStringLiteral(YELDUMAN_PICTURES_DIR "/");

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The folder holds the files the list names, no more, no fewer; each picture's
// copies are embedded, of its size times their scale, in 16 colours where listed so.
TEST(PicturesTest, TheFolderHoldsEveryListedFileAndNoOther) {
  const QStringList listed = ListedFiles();
  const QStringList present = QDir(kFolder).entryList(QDir::Files);
  EXPECT_EQ(QSet<QString>(present.begin(), present.end()),
            QSet<QString>(listed.begin(), listed.end()));
  InitPictures();
  for (const Picture& p : kPictures) {
    for (int scale = 1; scale <= p.largestScale; ++scale) {
      SCOPED_TRACE(ResourcePath(p, scale).toStdString());
      const QImage image(ResourcePath(p, scale));
      const Format format = scale == 1 ? p.format : p.copiesFormat;
      EXPECT_EQ(image.size(), p.size * scale);
      EXPECT_EQ(image.colorCount() == 16, format == Format::Png16 || format == Format::Bmp16);
    }
  }
}

// Each screen's density shows the copy drawn for it, at the picture's own size.
TEST(PicturesTest, EveryDensityGetsItsCopyInItsOwnPixels) {
  // The copy each screen shows, for pictures whose largest copy is at 2 and at 3: the smallest
  // with a pixel or more to the device pixel, else the largest.
  // clang-format off
  const struct { qreal ratio; int copyUpTo2, copyUpTo3; } cases[] = {
      {1.0, 1, 1}, {1.5, 2, 2}, {2.0, 2, 2}, {2.5, 2, 3}, {3.0, 2, 3}, {4.0, 2, 3},
  };
  // clang-format on
  for (const Picture& p : kPictures) {
    ASSERT_TRUE(p.largestScale == 2 || p.largestScale == 3) << p.name << ": a column for it";
    for (const auto& c : cases) {
      SCOPED_TRACE(ResourcePath(p, 1).toStdString() + " at " + std::to_string(c.ratio));
      const QPixmap shown = LoadPicture(ResourcePath(p, 1), c.ratio);
      EXPECT_EQ(shown.devicePixelRatio(), c.ratio);
      EXPECT_EQ(shown.size(), (QSizeF(p.size) * c.ratio).toSize());
      // Between copies, or past the largest, the copy is resampled smoothly: reduced it
      // keeps every line, enlarged or repeated it would blur or jag.
      const int scale = p.largestScale == 2 ? c.copyUpTo2 : c.copyUpTo3;
      const QImage copy = Rgb(QImage(ResourcePath(p, scale)));
      EXPECT_EQ(Rgb(shown.toImage()),
                Rgb(copy.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
  }
}

// Theme files: each size a square on a transparent ground, and the Windows icon holding them all.
TEST(PicturesTest, IconsHoldEveryCopyAndEveryThemeSize) {
  // The window icon: the stack's files in the folder, each copy a size.
  QList<QSize> copies;
  for (const QString& file : QDir(kFolder).entryList({QStringLiteral("stack_icon*")}))
    copies << QImage(kFolder + file).size();
  std::sort(copies.begin(), copies.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
  const QIcon icon = LoadStackIcon();
  EXPECT_EQ(icon.availableSizes(), copies);
  EXPECT_EQ(Rgb(icon.pixmap(copies.front(), 3).toImage()),
            Rgb(QImage(kFolder + QStringLiteral("stack_icon@3x.png"))));
  // The Windows icon file holds the same sizes, in order, each a PNG whose
  // offset and length its directory entry gives (a side of 256 written as 0).
  QFile ico(kFolder + kWindowsIconFile);
  ASSERT_TRUE(ico.open(QIODevice::ReadOnly));
  const QByteArray windowsIcon = ico.readAll();
  const auto u32 = [&](qsizetype at) {
    return qFromLittleEndian<quint32>(windowsIcon.data() + at);
  };
  ASSERT_EQ(windowsIcon.left(6),
            QByteArray("\0\0\1\0", 4) + char(std::size(kMenuIconSides)) + '\0');
  int entry = 0;
  for (int side : kMenuIconSides) {
    const QImage icon(kFolder + MenuIconFileName(side));
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
}

}  // namespace
}  // namespace assets
