// The rural horizontal spread table as a scanned printed page shows it: the angle law
// for sigmaY and the intercept c and slope d of the half-angle per class.

#include "assets/generator/drawings.h"
#include "assets/generator/paint_util.h"

#include <array>

namespace assets::gen {
namespace {

constexpr int kWidth = 294;
constexpr int kHeight = 255;

struct AngleCoefficients {
  char cls;
  double c;     // degrees
  double d;     // degrees per unit of ln(x)
  int cDigits;  // decimals as printed
  int dDigits;
};

// As printed: the table carries A's slope as 2.5334 and F's intercept as
// 4.1667 (the calculation itself works with 2.5335 and 4.167).
constexpr std::array<AngleCoefficients, 6> kTable{{
    {'A', 24.1670, 2.5334, 4, 4},
    {'B', 18.3330, 1.8096, 4, 4},
    {'C', 12.5000, 1.0857, 4, 4},
    {'D', 8.3333, 0.72382, 4, 5},
    {'E', 6.2500, 0.54287, 4, 5},
    {'F', 4.1667, 0.36191, 4, 5},
}};

// Table columns: class, c, d (right edges of the numbers).
constexpr int kTableLeft = 40;
constexpr int kTableRight = 254;
constexpr int kClassRight = 96;
constexpr int kCRight = 170;
constexpr int kDRight = 240;
constexpr int kHeadTop = 104;
constexpr int kRowTop = 124;
constexpr int kRowHeight = 16;

void DrawLaw(QPainter& p) {
  p.setPen(gen::kInk);
  gen::DrawRich(p, 12, 20, QStringLiteral("Tablo 1. Kırsal alanda yatay yayılma, σ_{y}"),
                gen::Serif(14, true));
  const QFont font = gen::Serif(14);
  gen::DrawRich(p, 24, 44, QStringLiteral("σ_{y} = (1000 / 2.15) · x · tan T"), font);
  gen::DrawRich(p, 40, 62, QStringLiteral("= 465.11628 · x · tan T"), font);
  gen::DrawRich(p, 24, 80, QStringLiteral("T = c − d · ln x"), font);
  gen::DrawRich(p, 140, 80, QStringLiteral("(T, derece)"), gen::Serif(13, false, true));
  gen::DrawRich(p, 24, 95, QStringLiteral("x: km,  σ_{y}: m"), gen::Serif(13, false, true));
}

void DrawRules(QPainter& p) {
  const int bottom = kRowTop + int(kTable.size()) * kRowHeight + 3;
  p.setPen(QPen(gen::kInk, 1.2));
  p.drawLine(QPointF(kTableLeft, kHeadTop + 0.5), QPointF(kTableRight, kHeadTop + 0.5));
  p.drawLine(QPointF(kTableLeft, bottom + 0.5), QPointF(kTableRight, bottom + 0.5));
  p.setPen(QPen(gen::kInk, 0.7));
  p.drawLine(QPointF(kTableLeft, kRowTop + 0.5), QPointF(kTableRight, kRowTop + 0.5));
}

void DrawRows(QPainter& p) {
  const QFont head = gen::Serif(13, false, true);
  const QFont font = gen::Serif(14);
  p.setPen(gen::kInk);
  const int headBase = int(gen::CentredBaseline(head, kHeadTop, kRowTop));
  gen::DrawRichRight(p, kClassRight, headBase, QStringLiteral("Sınıf"), head);
  gen::DrawRichRight(p, kCRight - 20, headBase, QStringLiteral("c"), head);
  gen::DrawRichRight(p, kDRight - 22, headBase, QStringLiteral("d"), head);
  for (int i = 0; i < int(kTable.size()); ++i) {
    const AngleCoefficients& row = kTable[i];
    const int top = kRowTop + 2 + i * kRowHeight;
    const int base = int(gen::CentredBaseline(font, top, top + kRowHeight));
    gen::DrawRichRight(p, kClassRight - 10, base, QString(QChar(row.cls)), font);
    gen::DrawRichRight(p, kCRight, base, gen::Fixed(row.c, row.cDigits), font);
    gen::DrawRichRight(p, kDRight, base, gen::Fixed(row.d, row.dDigits), font);
  }
}

QImage DrawRuralSigmaY(int scale) {
  return gen::ScannedTable({kWidth, kHeight}, scale, 11, [](QPainter& p) {
    DrawLaw(p);
    DrawRules(p);
    DrawRows(p);
  });
}

const DrawingOf kDrawing("rural_sigma_y", DrawRuralSigmaY);

}  // namespace
}  // namespace assets::gen
