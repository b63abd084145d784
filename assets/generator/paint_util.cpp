#include "assets/generator/paint_util.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace assets::gen {

namespace {

// Script position of a run of text.
enum class Script { Normal, Super, Sub };

struct Run {
  QString text;
  Script script = Script::Normal;
};

// Splits "a^{b}_{c}" into runs; braces delimit the raised or lowered text.
std::vector<Run> ParseRuns(const QString& markup) {
  std::vector<Run> runs{Run{}};
  for (qsizetype i = 0; i < markup.size(); ++i) {
    const QChar c = markup[i];
    const bool opens = (c == u'^' || c == u'_') && i + 1 < markup.size() && markup[i + 1] == u'{';
    if (!opens) {
      runs.back().text += c;
      continue;
    }
    const qsizetype close = markup.indexOf(u'}', i + 2);
    const qsizetype end = close < 0 ? markup.size() : close;
    runs.push_back({markup.mid(i + 2, end - i - 2), c == u'^' ? Script::Super : Script::Sub});
    runs.push_back(Run{});
    i = end;
  }
  return runs;
}

QFont ScriptFont(const QFont& base, Script script) {
  if (script == Script::Normal) return base;
  QFont small = base;
  small.setPixelSize(std::max(7, base.pixelSize() * 7 / 10));
  return small;
}

qreal ScriptShift(const QFont& base, Script script) {
  const qreal size = base.pixelSize();
  if (script == Script::Super) return -0.40 * size;
  if (script == Script::Sub) return 0.22 * size;
  return 0.0;
}

// Small deterministic generator, the same on every machine.
class Noise {
 public:
  explicit Noise(unsigned seed) : state_(seed * 2654435761u + 1u) {}
  double Uniform()  // in [0, 1)
  {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ & 0xFFFFFFu) / double(0x1000000);
  }
  int Around(int amplitude)  // in [-amplitude, amplitude]
  {
    return int(std::lround((Uniform() * 2.0 - 1.0) * amplitude));
  }

 private:
  std::uint32_t state_;
};

int Clamp255(int v) { return std::clamp(v, 0, 255); }

void AddFibres(QPainter& p, QSize size, Noise& noise) {
  for (int i = 0; i < size.width() * size.height() / 900; ++i) {
    const QPointF a(noise.Uniform() * size.width(), noise.Uniform() * size.height());
    const QPointF b = a + QPointF(noise.Around(9), noise.Around(9));
    p.setPen(QPen(QColor(150, 140, 120, 10 + noise.Uniform() * 14), 0.6));
    p.drawLine(a, b);
  }
}

}  // namespace

QFont MakeFont(const QString& family, int pixelSize, bool bold, bool italic) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QFont Serif(int pixelSize, bool bold, bool italic) {
  return MakeFont(QStringLiteral("Liberation Serif"), pixelSize, bold, italic);
}

QFont Crisp(QFont font) {
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

qreal RichWidth(const QString& markup, const QFont& font) {
  qreal width = 0.0;
  for (const Run& run : ParseRuns(markup))
    width += QFontMetricsF(ScriptFont(font, run.script)).horizontalAdvance(run.text);
  return width;
}

qreal DrawRich(QPainter& p, qreal x, qreal baseline, const QString& markup, const QFont& font) {
  const qreal start = x;
  for (const Run& run : ParseRuns(markup)) {
    const QFont runFont = ScriptFont(font, run.script);
    p.setFont(runFont);
    p.drawText(QPointF(x, baseline + ScriptShift(font, run.script)), run.text);
    x += QFontMetricsF(runFont).horizontalAdvance(run.text);
  }
  return x - start;
}

void DrawRichCentred(QPainter& p, qreal cx, qreal baseline, const QString& markup,
                     const QFont& font) {
  const qreal width = RichWidth(markup, font);
  DrawRich(p, std::round(cx - width / 2.0), baseline, markup, font);
}

void DrawRichRight(QPainter& p, qreal right, qreal baseline, const QString& markup,
                   const QFont& font) {
  DrawRich(p, std::round(right - RichWidth(markup, font)), baseline, markup, font);
}

qreal CentredBaseline(const QFont& font, qreal top, qreal bottom) {
  const QFontMetricsF m(font);
  return std::round((top + bottom + m.ascent() - m.descent()) / 2.0);
}

void ScaleTo(QPainter& p, int scale) {
  if (scale != 1) p.scale(scale, scale);
}

QImage Paper(QSize size, int scale, unsigned seed) {
  QImage image(size * scale, QImage::Format_RGB32);
  image.fill(QColor(244, 240, 229));
  Noise noise(seed);
  QPainter p(&image);
  ScaleTo(p, scale);
  p.setRenderHint(QPainter::Antialiasing);
  // Scanner light: a touch brighter in the middle, darker at one edge.
  QRadialGradient light(size.width() * 0.45, size.height() * 0.4,
                        std::max(size.width(), size.height()) * 0.8);
  light.setColorAt(0.0, QColor(255, 255, 250, 40));
  light.setColorAt(1.0, QColor(120, 105, 80, 30));
  p.fillRect(QRect(QPoint(0, 0), size), light);
  QLinearGradient edge(0, 0, size.width(), 0);
  edge.setColorAt(0.0, QColor(90, 80, 60, 26));
  edge.setColorAt(0.06, QColor(90, 80, 60, 0));
  p.fillRect(QRect(QPoint(0, 0), size), edge);
  AddFibres(p, size, noise);
  p.end();
  AddScanGrain(image, seed + 1, 4);
  return image;
}

void AddScanGrain(QImage& image, unsigned seed, int amplitude) {
  if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
  Noise noise(seed);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int d = noise.Around(amplitude);
      const QRgb c = line[x];
      line[x] = qRgb(Clamp255(qRed(c) + d), Clamp255(qGreen(c) + d), Clamp255(qBlue(c) + d - 1));
    }
  }
}

QString Fixed(double value, int decimals) { return QString::number(value, 'f', decimals); }

QImage ScannedTable(QSize size, int scale, unsigned seed,
                    const std::function<void(QPainter&)>& draw) {
  QImage image = Paper(size, scale, seed);
  QPainter p(&image);
  ScaleTo(p, scale);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  draw(p);
  p.end();
  AddScanGrain(image, seed + 1, 2);
  return image;
}

}  // namespace assets::gen
