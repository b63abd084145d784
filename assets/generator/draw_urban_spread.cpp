// The urban spread table as a scanned printed page shows it: Briggs' empirical
// expressions for sigmaY and sigmaZ, x in metres, one row per class group.

#include "assets/generator/drawings.h"
#include "assets/generator/paint_util.h"

#include <array>

namespace assets::gen {
namespace {

constexpr int kWidth = 374;
constexpr int kHeight = 167;

struct UrbanRow {
  const char16_t* classes;
  const char16_t* sigmaY;  // markup: ^{...} raises the exponent
  const char16_t* sigmaZ;
};

constexpr std::array<UrbanRow, 4> kRows{{
    {u"A–B", u"0.32x(1 + 0.0004x)^{−1/2}", u"0.24x(1 + 0.0001x)^{1/2}"},
    {u"C", u"0.22x(1 + 0.0004x)^{−1/2}", u"0.20x"},
    {u"D", u"0.16x(1 + 0.0004x)^{−1/2}", u"0.14x(1 + 0.0003x)^{−1/2}"},
    {u"E–F", u"0.11x(1 + 0.0004x)^{−1/2}", u"0.08x(1 + 0.0015x)^{−1/2}"},
}};

constexpr int kLeft = 8;
constexpr int kRight = 366;
constexpr int kClassCentre = 36;
constexpr int kYLeft = 76;
constexpr int kZLeft = 226;
constexpr int kHeadTop = 30;
constexpr int kRowTop = 52;
constexpr int kRowHeight = 19;

void DrawTitle(QPainter& p) {
  p.setPen(gen::kInk);
  gen::DrawRich(p, kLeft, 20, QStringLiteral("Tablo 3. Kentsel alanda σ_{y} ve σ_{z} (Briggs)"),
                gen::Serif(15, true));
}

void DrawHead(QPainter& p) {
  const QFont head = gen::Serif(13, false, true);
  const int base = int(gen::CentredBaseline(head, kHeadTop, kRowTop));
  gen::DrawRichCentred(p, kClassCentre, base, QStringLiteral("Sınıf"), head);
  gen::DrawRich(p, kYLeft + 34, base, QStringLiteral("σ_{y} (m)"), head);
  gen::DrawRich(p, kZLeft + 34, base, QStringLiteral("σ_{z} (m)"), head);
}

void DrawRows(QPainter& p) {
  const QFont font = gen::Serif(14);
  for (int i = 0; i < int(kRows.size()); ++i) {
    const int top = kRowTop + 2 + i * kRowHeight;
    const int base = int(gen::CentredBaseline(font, top, top + kRowHeight)) + 1;
    gen::DrawRichCentred(p, kClassCentre, base, QString::fromUtf16(kRows[i].classes),
                         gen::Serif(14, true));
    gen::DrawRich(p, kYLeft, base, QString::fromUtf16(kRows[i].sigmaY), font);
    gen::DrawRich(p, kZLeft, base, QString::fromUtf16(kRows[i].sigmaZ), font);
  }
}

void DrawRules(QPainter& p) {
  const int bottom = kRowTop + int(kRows.size()) * kRowHeight + 4;
  p.setPen(QPen(gen::kInk, 1.2));
  p.drawLine(QPointF(kLeft, kHeadTop + 0.5), QPointF(kRight, kHeadTop + 0.5));
  p.drawLine(QPointF(kLeft, bottom + 0.5), QPointF(kRight, bottom + 0.5));
  p.setPen(QPen(gen::kInk, 0.7));
  p.drawLine(QPointF(kLeft, kRowTop + 0.5), QPointF(kRight, kRowTop + 0.5));
}

void DrawNote(QPainter& p) {
  p.setPen(gen::kInk);
  gen::DrawRich(p, kLeft, 152, QStringLiteral("x: kaynaktan rüzgar yönünde uzaklık (m)"),
                gen::Serif(12, false, true));
}

QImage DrawUrbanSpread(int scale) {
  return gen::ScannedTable({kWidth, kHeight}, scale, 31, [](QPainter& p) {
    DrawTitle(p);
    DrawRules(p);
    p.setPen(gen::kInk);
    DrawHead(p);
    DrawRows(p);
    DrawNote(p);
  });
}

const DrawingOf kDrawing("urban_spread", DrawUrbanSpread);

}  // namespace
}  // namespace assets::gen
