#include "assets/generator/windows_icon_file.h"

#include <QBuffer>
#include <QtEndian>

namespace assets::gen {
namespace {

// ICONDIR and ICONDIRENTRY, little-endian: 6 bytes, then 16 per image.
constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;

void Append16(QByteArray& out, quint16 v) {
  char bytes[2];
  qToLittleEndian(v, bytes);
  out.append(bytes, 2);
}

void Append32(QByteArray& out, quint32 v) {
  char bytes[4];
  qToLittleEndian(v, bytes);
  out.append(bytes, 4);
}

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
  return bytes;
}

}  // namespace

QByteArray WindowsIconFile(const QList<QImage>& images) {
  QList<QByteArray> pngs;
  for (const QImage& image : images) pngs.append(Png(image));

  QByteArray out;
  Append16(out, 0);  // reserved
  Append16(out, 1);  // an icon, not a cursor
  Append16(out, quint16(images.size()));
  quint32 offset = kHeaderBytes + kEntryBytes * quint32(images.size());
  for (qsizetype i = 0; i < images.size(); ++i) {
    // A side of 256 is written as 0: the byte holds 1 to 255.
    out.append(char(images[i].width() & 0xff));
    out.append(char(images[i].height() & 0xff));
    out.append(char(0));  // no palette
    out.append(char(0));  // reserved
    Append16(out, 1);     // colour planes
    Append16(out, 32);    // bits per pixel
    Append32(out, quint32(pngs[i].size()));
    Append32(out, offset);
    offset += quint32(pngs[i].size());
  }
  for (const QByteArray& png : pngs) out.append(png);
  return out;
}

}  // namespace assets::gen
