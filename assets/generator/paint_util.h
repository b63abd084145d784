#pragma once
#include <functional>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

// Shared helpers for the drawings: fonts, text with raised and lowered
// parts, and the paper look of the scanned tables.

namespace assets::gen {

// Ink of the scanned tables.
inline const QColor kInk{34, 31, 28};

QFont MakeFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

// The print face of the scanned coefficient tables.
QFont Serif(int pixelSize, bool bold = false, bool italic = false);

// The same font with antialiasing switched off, for the 16-colour picture.
QFont Crisp(QFont font);

// Text with ^{superscript} and _{subscript} parts. Width in pixels.
qreal RichWidth(const QString& markup, const QFont& font);

// Draws markup with its left end at x on the given baseline; returns width.
qreal DrawRich(QPainter& p, qreal x, qreal baseline, const QString& markup, const QFont& font);

// Draws markup centred on cx; likewise right-aligned ending at right.
void DrawRichCentred(QPainter& p, qreal cx, qreal baseline, const QString& markup,
                     const QFont& font);
void DrawRichRight(QPainter& p, qreal right, qreal baseline, const QString& markup,
                   const QFont& font);

// Baseline that centres a line of the font vertically between top and bottom.
qreal CentredBaseline(const QFont& font, qreal top, qreal bottom);

// Makes the painter draw in picture pixels on an image `scale` times larger
// in each direction. Leaves the painter alone at scale 1, so the pictures
// shown as they are come out exactly as they always have.
void ScaleTo(QPainter& p, int scale);

// Off-white printed paper with faint grain, fibres and uneven scanner light,
// `size` picture pixels at `scale` image pixels each. The grain is per image
// pixel, as a finer scan has finer grain.
QImage Paper(QSize size, int scale, unsigned seed);

// Light grain over the finished print, so ink and paper look scanned.
void AddScanGrain(QImage& image, unsigned seed, int amplitude);

// A printed table as scanned: paper, the table drawn antialiased in ink by
// `draw` in picture pixels, then the scanner's grain; `scale` image pixels to
// the picture pixel. One seed gives the same picture every time.
QImage ScannedTable(QSize size, int scale, unsigned seed,
                    const std::function<void(QPainter&)>& draw);

// Number as text with a fixed count of decimals and a period separator.
QString Fixed(double value, int decimals);

}  // namespace assets::gen
