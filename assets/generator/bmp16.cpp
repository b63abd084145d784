#include "assets/generator/bmp16.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <limits>

namespace assets::bmp16 {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteBytes = 16 * 4;

int Nearest(QRgb c) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < int(kPalette.size()); ++i) {
    const int dr = qRed(c) - qRed(kPalette[i]);
    const int dg = qGreen(c) - qGreen(kPalette[i]);
    const int db = qBlue(c) - qBlue(kPalette[i]);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

void PutU16(QByteArray& out, std::uint16_t v) {
  out.append(char(v & 0xFF));
  out.append(char(v >> 8));
}

void PutU32(QByteArray& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.append(char((v >> shift) & 0xFF));
}

// Rows of a BMP are padded to whole 32-bit words.
int RowBytes(int width) { return ((width * 4 + 31) / 32) * 4; }

void PutHeaders(QByteArray& out, int width, int height) {
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + kPaletteBytes;
  const std::uint32_t pixels = std::uint32_t(RowBytes(width)) * height;
  out.append("BM");
  PutU32(out, offset + pixels);  // file size
  PutU32(out, 0);                // reserved
  PutU32(out, offset);           // start of the pixel rows
  PutU32(out, kInfoHeaderSize);
  PutU32(out, std::uint32_t(width));
  PutU32(out, std::uint32_t(height));  // positive: rows stored bottom-up
  PutU16(out, 1);                      // planes
  PutU16(out, 4);                      // bits per pixel
  PutU32(out, 0);                      // BI_RGB, uncompressed
  PutU32(out, pixels);
  PutU32(out, 3780);  // 96 dots per inch, in pixels per metre
  PutU32(out, 3780);
  PutU32(out, 16);  // colours used
  PutU32(out, 16);  // colours important
}

void PutPalette(QByteArray& out) {
  for (QRgb c : kPalette) {
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
    out.append(char(0));
  }
}

void PutRows(QByteArray& out, const QImage& indexed) {
  const int rowBytes = RowBytes(indexed.width());
  for (int y = indexed.height() - 1; y >= 0; --y) {
    QByteArray row(rowBytes, '\0');
    const uchar* src = indexed.constScanLine(y);
    for (int x = 0; x < indexed.width(); ++x) {
      const int shift = (x % 2 == 0) ? 4 : 0;  // left pixel in high nibble
      row[x / 2] = char(uchar(row[x / 2]) | ((src[x] & 0x0F) << shift));
    }
    out.append(row);
  }
}

}  // namespace

QImage Quantise(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QImage indexed(rgb.size(), QImage::Format_Indexed8);
  indexed.setColorTable(QList<QRgb>(kPalette.begin(), kPalette.end()));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* dst = indexed.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) dst[x] = uchar(Nearest(src[x]));
  }
  return indexed;
}

bool Write(const QImage& indexed, const QString& path) {
  QByteArray out;
  PutHeaders(out, indexed.width(), indexed.height());
  PutPalette(out);
  PutRows(out, indexed);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(out) == out.size();
}

}  // namespace assets::bmp16
