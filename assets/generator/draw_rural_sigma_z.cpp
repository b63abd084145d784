// The rural vertical spread table as a scanned printed page shows it: per class the
// distance bands with a and b of sigmaZ = a x^b, and the sigmaZ that the law
// gives at each band's upper boundary. Two panels side by side: A to D on
// the left, E and F on the right.

#include "assets/generator/drawings.h"
#include "assets/generator/paint_util.h"

#include <array>
#include <cmath>
#include <span>

namespace assets::gen {
namespace {

constexpr int kWidth = 530;
constexpr int kHeight = 424;

constexpr double kOpen = 0.0;    // no lower or no upper bound
constexpr double kFixed = -1.0;  // b of the rows with a fixed sigmaZ (a)

struct Band {
  char cls;
  double lower;  // km, exclusive
  double upper;  // km, inclusive
  double a;
  double b;
};

// Nearest band first. As printed, F's exponent up to 0.2 km reads 0.81558
// (the calculation itself works with 0.8158).
constexpr std::array<Band, 20> kLeftPanel{{
    {'A', kOpen, 0.10, 122.800, 0.94470}, {'A', 0.10, 0.15, 158.080, 1.05420},
    {'A', 0.15, 0.20, 170.220, 1.09320},  {'A', 0.20, 0.25, 179.520, 1.12620},
    {'A', 0.25, 0.30, 217.410, 1.26440},  {'A', 0.30, 0.40, 258.890, 1.40940},
    {'A', 0.40, 0.50, 346.750, 1.72830},  {'A', 0.50, 3.11, 453.850, 2.11660},
    {'A', 3.11, kOpen, 5000.0, kFixed},   {'B', kOpen, 0.20, 90.673, 0.93198},
    {'B', 0.20, 0.40, 98.483, 0.98332},   {'B', 0.40, 35.0, 109.300, 1.09710},
    {'B', 35.0, kOpen, 5000.0, kFixed},   {'C', kOpen, kOpen, 61.141, 0.91465},
    {'D', kOpen, 0.30, 34.459, 0.86974},  {'D', 0.30, 1.00, 32.093, 0.81006},
    {'D', 1.00, 3.00, 32.093, 0.64403},   {'D', 3.00, 10.0, 33.504, 0.60486},
    {'D', 10.0, 30.0, 36.650, 0.56589},   {'D', 30.0, kOpen, 44.053, 0.51179},
}};

constexpr std::array<Band, 19> kRightPanel{{
    {'E', kOpen, 0.10, 24.260, 0.83660}, {'E', 0.10, 0.30, 23.331, 0.81956},
    {'E', 0.30, 1.00, 21.628, 0.75660},  {'E', 1.00, 2.00, 21.628, 0.63077},
    {'E', 2.00, 4.00, 22.534, 0.57154},  {'E', 4.00, 10.0, 24.703, 0.50527},
    {'E', 10.0, 20.0, 26.970, 0.46713},  {'E', 20.0, 40.0, 35.420, 0.37615},
    {'E', 40.0, kOpen, 47.618, 0.29592}, {'F', kOpen, 0.20, 15.209, 0.81558},
    {'F', 0.20, 0.70, 14.457, 0.78407},  {'F', 0.70, 1.00, 13.953, 0.68465},
    {'F', 1.00, 2.00, 13.953, 0.63227},  {'F', 2.00, 3.00, 14.823, 0.54503},
    {'F', 3.00, 7.00, 16.187, 0.46490},  {'F', 7.00, 15.0, 17.836, 0.41500},
    {'F', 15.0, 30.0, 22.651, 0.32681},  {'F', 30.0, 60.0, 27.074, 0.27436},
    {'F', 60.0, kOpen, 34.219, 0.21716},
}};

// Right edges of the columns of a panel, from its left side.
constexpr int kClassX = 12;  // centre of the class letter
constexpr int kBandRight = 92;
constexpr int kARight = 146;
constexpr int kBRight = 200;
constexpr int kSigmaRight = 254;
constexpr int kPanelWidth = 256;
constexpr std::array<int, 2> kPanelLeft{6, 268};

constexpr int kHeadTop = 52;
constexpr int kRowTop = 84;
constexpr int kRowHeight = 15;

QString BandText(const Band& band) {
  if (band.lower == kOpen && band.upper == kOpen) return QStringLiteral("tüm x");
  if (band.lower == kOpen) return QStringLiteral("≤ ") + gen::Fixed(band.upper, 2);
  if (band.upper == kOpen) return QStringLiteral("> ") + gen::Fixed(band.lower, 2);
  return gen::Fixed(band.lower, 2) + QStringLiteral(" – ") + gen::Fixed(band.upper, 2);
}

// sigmaZ printed for a band: the law at the upper boundary, or the fixed value.
QString SigmaAtUpper(const Band& band) {
  if (band.b == kFixed) return gen::Fixed(band.a, 0);
  if (band.upper == kOpen) return QStringLiteral("—");
  return gen::Fixed(band.a * std::pow(band.upper, band.b), 2);
}

void DrawTitle(QPainter& p) {
  p.setPen(gen::kInk);
  gen::DrawRich(p, 10, 20, QStringLiteral("Tablo 2. Kırsal alanda düşey yayılma, σ_{z}"),
                gen::Serif(15, true));
  gen::DrawRich(p, 10, 42, QStringLiteral("σ_{z} = a · x^{b}"), gen::Serif(15));
  gen::DrawRich(p, 100, 42, QStringLiteral("(x: km,  σ_{z}: m)"), gen::Serif(13, false, true));
}

void DrawHead(QPainter& p, int left) {
  const QFont head = gen::Serif(13, false, true);
  const int upper = kHeadTop + 12;
  const int lower = kHeadTop + 25;
  p.setPen(gen::kInk);
  gen::DrawRichCentred(p, left + kClassX, lower, QStringLiteral("Sınıf"), head);
  gen::DrawRichRight(p, left + kBandRight - 6, lower, QStringLiteral("x (km)"), head);
  gen::DrawRichRight(p, left + kARight - 12, lower, QStringLiteral("a"), head);
  gen::DrawRichRight(p, left + kBRight - 16, lower, QStringLiteral("b"), head);
  gen::DrawRichRight(p, left + kSigmaRight, upper, QStringLiteral("σ_{z} (m)"), head);
  gen::DrawRichRight(p, left + kSigmaRight, lower, QStringLiteral("üst sınırda"),
                     gen::Serif(11, false, true));
}

void DrawRow(QPainter& p, int left, int top, const Band& band, bool first) {
  const QFont font = gen::Serif(13);
  const int base = int(gen::CentredBaseline(font, top, top + kRowHeight));
  if (first)
    gen::DrawRichCentred(p, left + kClassX, base, QString(QChar(band.cls)), gen::Serif(13, true));
  gen::DrawRichRight(p, left + kBandRight, base, BandText(band), font);
  const bool fixed = band.b == kFixed;
  gen::DrawRichRight(p, left + kARight, base, fixed ? QStringLiteral("—") : gen::Fixed(band.a, 3),
                     font);
  gen::DrawRichRight(p, left + kBRight, base, fixed ? QStringLiteral("—") : gen::Fixed(band.b, 5),
                     font);
  gen::DrawRichRight(p, left + kSigmaRight, base, SigmaAtUpper(band), font);
}

void Rule(QPainter& p, int left, int y, qreal width) {
  p.setPen(QPen(gen::kInk, width));
  p.drawLine(QPointF(left, y + 0.5), QPointF(left + kPanelWidth, y + 0.5));
}

void DrawPanel(QPainter& p, int left, std::span<const Band> bands) {
  DrawHead(p, left);
  Rule(p, left, kHeadTop, 1.2);
  Rule(p, left, kRowTop - 1, 0.8);
  int top = kRowTop;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const bool first = i == 0 || bands[i - 1].cls != bands[i].cls;
    if (first && i > 0) Rule(p, left, top, 0.5);
    p.setPen(gen::kInk);
    DrawRow(p, left, top, bands[i], first);
    top += kRowHeight;
  }
  Rule(p, left, top + 1, 1.2);
}

void DrawNote(QPainter& p) {
  const QFont font = gen::Serif(12, false, true);
  p.setPen(gen::kInk);
  gen::DrawRich(p, 10, 402, QStringLiteral("A sınıfında x > 3.11 km, B sınıfında"), font);
  gen::DrawRich(p, 10, 416, QStringLiteral("x > 35 km için σ_{z} = 5000 m alınır."), font);
}

QImage DrawRuralSigmaZ(int scale) {
  return gen::ScannedTable({kWidth, kHeight}, scale, 21, [](QPainter& p) {
    DrawTitle(p);
    DrawPanel(p, kPanelLeft[0], kLeftPanel);
    DrawPanel(p, kPanelLeft[1], kRightPanel);
    DrawNote(p);
  });
}

const DrawingOf kDrawing("rural_sigma_z", DrawRuralSigmaZ);

}  // namespace
}  // namespace assets::gen
