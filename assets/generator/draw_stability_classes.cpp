// The Pasquill stability-class table: five bands of the wind speed at 10 m,
// three daytime columns by the strength of incoming sunshine and two night
// columns by cloud cover. Drawn without antialiasing in colours of the
// 16-colour palette, so the 4-bit BMP keeps every pixel sharp. The larger
// copies are the same drawing at a higher resolution, still in those colours.

#include "assets/generator/bmp16.h"
#include "assets/generator/drawings.h"
#include "assets/generator/paint_util.h"

#include <array>

namespace assets::gen {
namespace {

constexpr int kWidth = 615;
constexpr int kHeight = 199;

// Column edges: wind speed, three day columns, two night columns.
constexpr std::array<int, 7> kColumnX{4, 124, 204, 284, 364, 487, 610};
constexpr int kTableTop = 24;
constexpr int kGroupBottom = 42;  // day / night heading row
constexpr int kHeadBottom = 74;   // column headings
constexpr int kRowHeight = 18;
constexpr int kRows = 5;
constexpr int kTableBottom = kHeadBottom + kRows * kRowHeight;

const QColor kBlack(0, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kTeal(0, 128, 128);
const QColor kGreen(0, 128, 0);
const QColor kPurple(128, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kGrey(128, 128, 128);

constexpr std::array<const char16_t*, kRows> kWindBands{u"< 2", u"2 – 3", u"3 – 5", u"5 – 6",
                                                        u"> 6"};

// Day: strong, moderate, slight sunshine. Night: thin overcast or at least
// 4/8 low cloud, then at most 3/8 cloud. Dashes: no class defined.
constexpr std::array<std::array<const char16_t*, 5>, kRows> kClasses{{
    {u"A", u"A–B", u"B", u"–", u"–"},
    {u"A–B", u"B", u"C", u"E", u"F"},
    {u"B", u"B–C", u"C", u"D", u"E"},
    {u"C", u"C–D", u"D", u"D", u"D"},
    {u"C", u"D", u"D", u"D", u"D"},
}};

// Two-line headings of the five class columns.
constexpr std::array<std::array<const char16_t*, 2>, 5> kColumnHeads{{
    {u"Kuvvetli", u"(açık)"},
    {u"Orta", u"(az bulutlu)"},
    {u"Zayıf", u"(kapalı)"},
    {u"İnce bulut örtüsü veya", u"≥ 4/8 alçak bulut"},
    {u"≤ 3/8 bulut", u"(açık)"},
}};

constexpr std::array<const char16_t*, 2> kNotes{
    u"A: çok kararsız,  B: orta kararsız,  C: az kararsız,  D: nötr,  "
    u"E: az kararlı,  F: orta kararlı",
    u"Gündüz ya da gece, gökyüzü tamamen kapalı iken D (nötr) sınıfı alınır."};

QFont Font(int pixelSize, bool bold = false) {
  return gen::Crisp(gen::MakeFont(QStringLiteral("DejaVu Sans"), pixelSize, bold));
}

// Narrower face for the longer headings and the notes.
QFont Narrow(int pixelSize) {
  return gen::Crisp(gen::MakeFont(QStringLiteral("DejaVu Sans Condensed"), pixelSize));
}

void Centred(QPainter& p, int left, int right, int top, int bottom, const QString& text,
             const QFont& font, const QColor& colour) {
  p.setPen(colour);
  gen::DrawRichCentred(p, (left + right) / 2.0, gen::CentredBaseline(font, top, bottom), text,
                       font);
}

// Grid lines are one picture pixel wide bars, covering the pixels an aliased
// one-pixel pen covers, so a finer resolution thickens them in proportion
// and puts them on the same picture pixels instead of half a pixel off.
void HLine(QPainter& p, int left, int right, int y, const QColor& colour) {
  p.fillRect(QRect(left, y, right - left + 1, 1), colour);
}

void VLine(QPainter& p, int x, int top, int bottom, const QColor& colour) {
  p.fillRect(QRect(x, top, 1, bottom - top + 1), colour);
}

void DrawGrid(QPainter& p) {
  const int left = kColumnX.front();
  const int right = kColumnX.back();
  for (int i = 1; i < kRows; ++i) HLine(p, left, right, kHeadBottom + i * kRowHeight, kGrey);
  HLine(p, kColumnX[1], kColumnX[4], kGroupBottom, kGrey);
  HLine(p, kColumnX[4], kColumnX[6], kGroupBottom, kGrey);
  for (int c : {2, 3, 5}) VLine(p, kColumnX[c], kGroupBottom, kTableBottom, kGrey);
  for (int y : {kTableTop, kHeadBottom, kTableBottom}) HLine(p, left, right, y, kBlack);
  for (int x : {left, kColumnX[1], kColumnX[4], right})
    VLine(p, x, kTableTop, kTableBottom, kBlack);
}

void DrawHeadings(QPainter& p) {
  Centred(p, 0, kWidth, 2, kTableTop - 2,
          QStringLiteral("PASQUILL ATMOSFERİK KARARLILIK SINIFLARI"), Font(13, true), kNavy);
  const QFont bold = Font(11, true);
  const int mid = (kTableTop + kHeadBottom) / 2;
  Centred(p, kColumnX[0], kColumnX[1], kTableTop, mid + 2, QStringLiteral("Rüzgar hızı (m/s)"),
          bold, kBlue);
  Centred(p, kColumnX[0], kColumnX[1], mid - 2, kHeadBottom, QStringLiteral("(yerden 10 m'de)"),
          Narrow(11), kBlue);
  Centred(p, kColumnX[1], kColumnX[4], kTableTop, kGroupBottom,
          QStringLiteral("GÜNDÜZ: Güneş ışınımının şiddeti"), bold, kMaroon);
  Centred(p, kColumnX[4], kColumnX[6], kTableTop, kGroupBottom, QStringLiteral("GECE: Bulutluluk"),
          bold, kPurple);
  const int split = (kGroupBottom + kHeadBottom) / 2;
  for (int c = 0; c < 5; ++c) {
    const QColor colour = c < 3 ? kTeal : kGreen;
    Centred(p, kColumnX[c + 1], kColumnX[c + 2], kGroupBottom + 1, split + 1,
            QString::fromUtf16(kColumnHeads[c][0]), Narrow(11), colour);
    Centred(p, kColumnX[c + 1], kColumnX[c + 2], split - 1, kHeadBottom - 1,
            QString::fromUtf16(kColumnHeads[c][1]), Narrow(11), colour);
  }
}

void DrawCells(QPainter& p) {
  const QFont letters = Font(12, true);
  for (int r = 0; r < kRows; ++r) {
    const int top = kHeadBottom + r * kRowHeight;
    Centred(p, kColumnX[0], kColumnX[1], top, top + kRowHeight, QString::fromUtf16(kWindBands[r]),
            Font(12, true), kBlack);
    for (int c = 0; c < 5; ++c)
      Centred(p, kColumnX[c + 1], kColumnX[c + 2], top, top + kRowHeight,
              QString::fromUtf16(kClasses[r][c]), letters, c < 3 ? kBlack : kPurple);
  }
}

void DrawNotes(QPainter& p) {
  const QFont font = Narrow(11);
  p.setPen(kBlack);
  for (int i = 0; i < int(kNotes.size()); ++i)
    gen::DrawRich(p, kColumnX.front() + 2, kTableBottom + 15 + i * 14,
                  QString::fromUtf16(kNotes[i]), font);
}

QImage DrawStabilityClasses(int scale) {
  QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  gen::ScaleTo(p, scale);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  DrawGrid(p);
  DrawHeadings(p);
  DrawCells(p);
  DrawNotes(p);
  return image;
}

const DrawingOf kDrawing("stability_classes", DrawStabilityClasses);

}  // namespace
}  // namespace assets::gen
