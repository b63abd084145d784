// The credits picture: what the program was made for, then the literature it
// draws on, each cited by title, journal or publisher, and year.

#include "assets/generator/drawings.h"
#include "assets/generator/paint_util.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <array>

namespace assets::gen {
namespace {

constexpr int kWidth = 470;
constexpr int kHeight = 186;
constexpr int kLeft = 12;
constexpr int kRight = kWidth - 12;
constexpr int kNumberWidth = 16;

const QColor kGround(212, 212, 212);

struct Reference {
  const char16_t* title;
  const char16_t* source;  // journal or publisher, then the year
};

constexpr std::array<Reference, 3> kReferences{{
    {u"Errors in the use of the Briggs parameterization for atmospheric "
     u"dispersion coefficients",
     u"Atmospheric Environment, 1994."},
    {u"Air Pollution: Its Origin and Control", u"Harper & Row, 1981."},
    {u"Workbook of Atmospheric Dispersion Estimates",
     u"U.S. Department of Health, Education, and Welfare, "
     u"Public Health Service, 1969."},
}};

constexpr std::array<const char16_t*, 2> kPurpose{
    u"Bu program, üniversitede okutulan Hava Kirliliği dersinde",
    u"öğretim amacıyla hazırlanmıştır."};

QFont Font(int pixelSize, bool bold = false) {
  return gen::MakeFont(QStringLiteral("Liberation Sans"), pixelSize, bold);
}

int DrawPurpose(QPainter& p, int baseline) {
  const QFont font = Font(14);
  for (const char16_t* line : kPurpose) {
    gen::DrawRich(p, kLeft, baseline, QString::fromUtf16(line), font);
    baseline += 18;
  }
  return baseline;
}

int DrawHeading(QPainter& p, int baseline) {
  gen::DrawRich(p, kLeft, baseline, QStringLiteral("Yararlanılan Kaynaklar"), Font(14, true));
  QPen dashes(Qt::black, 1, Qt::CustomDashLine);
  dashes.setDashPattern({4, 3});
  p.setPen(dashes);
  p.drawLine(QPointF(kLeft, baseline + 6.5), QPointF(kRight, baseline + 6.5));
  p.setPen(Qt::black);
  return baseline + 10;
}

QString ReferenceHtml(const Reference& reference) {
  return QStringLiteral("<i>%1</i>. %2")
      .arg(QString::fromUtf16(reference.title).toHtmlEscaped(),
           QString::fromUtf16(reference.source).toHtmlEscaped());
}

// Draws one reference with a hanging number; returns the top of the next.
int DrawReference(QPainter& p, int number, const Reference& reference, int top) {
  const QFont font = Font(13);
  QTextDocument text;
  text.setDefaultFont(font);
  text.setDocumentMargin(0);
  text.setTextWidth(kRight - kLeft - kNumberWidth);
  text.setHtml(ReferenceHtml(reference));
  p.setFont(font);
  p.drawText(QRect(kLeft, top, kNumberWidth, 20), Qt::AlignLeft | Qt::AlignTop,
             QStringLiteral("%1.").arg(number));
  p.save();
  p.translate(kLeft + kNumberWidth, top);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, Qt::black);
  text.documentLayout()->draw(&p, context);
  p.restore();
  return top + int(text.size().height()) + 4;
}

QImage DrawReferences(int scale) {
  QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
  image.fill(kGround);
  QPainter p(&image);
  gen::ScaleTo(p, scale);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(Qt::black);
  int y = DrawPurpose(p, 23);
  y = DrawHeading(p, y + 8);
  for (int i = 0; i < int(kReferences.size()); ++i)
    y = DrawReference(p, i + 1, kReferences[i], y + 2);
  return image;
}

const DrawingOf kDrawing("references", DrawReferences);

}  // namespace
}  // namespace assets::gen
