#include "assets/generator/vector_scene.h"

#include <QGradient>
#include <QPainter>
#include <QString>
#include <QTextStream>

namespace assets::gen {

namespace {

QString Number(qreal v) {
  QString text = QString::number(v, 'f', 3);
  while (text.endsWith(u'0')) text.chop(1);
  if (text.endsWith(u'.')) text.chop(1);
  return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString PathData(const QPainterPath& path) {
  QString d;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        d += QStringLiteral("M%1 %2").arg(Number(e.x), Number(e.y));
        break;
      case QPainterPath::LineToElement:
        d += QStringLiteral("L%1 %2").arg(Number(e.x), Number(e.y));
        break;
      case QPainterPath::CurveToElement: {
        const QPainterPath::Element c2 = path.elementAt(i + 1);
        const QPainterPath::Element end = path.elementAt(i + 2);
        d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                 .arg(Number(e.x), Number(e.y), Number(c2.x), Number(c2.y), Number(end.x),
                      Number(end.y));
        i += 2;
        break;
      }
      case QPainterPath::CurveToDataElement: break;  // consumed with its curve
    }
  }
  return d;
}

QString Rgb(const QColor& c) {
  return QStringLiteral("#%1%2%3")
      .arg(c.red(), 2, 16, QLatin1Char('0'))
      .arg(c.green(), 2, 16, QLatin1Char('0'))
      .arg(c.blue(), 2, 16, QLatin1Char('0'));
}

QString Stops(const QGradient& g) {
  QString out;
  for (const QGradientStop& stop : g.stops()) {
    out += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"")
               .arg(Number(stop.first), Rgb(stop.second));
    if (stop.second.alpha() != 255)
      out += QStringLiteral(" stop-opacity=\"%1\"").arg(Number(stop.second.alphaF()));
    out += QStringLiteral("/>");
  }
  return out;
}

// The gradient's definition under `id`, or nothing for a plain colour.
QString GradientDefinition(const QBrush& brush, const QString& id) {
  if (brush.style() == Qt::LinearGradientPattern) {
    const auto* g = static_cast<const QLinearGradient*>(brush.gradient());
    return QStringLiteral(
               "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
               "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">%6</linearGradient>\n")
        .arg(id, Number(g->start().x()), Number(g->start().y()), Number(g->finalStop().x()),
             Number(g->finalStop().y()), Stops(*g));
  }
  if (brush.style() == Qt::RadialGradientPattern) {
    const auto* g = static_cast<const QRadialGradient*>(brush.gradient());
    return QStringLiteral(
               "<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
               "cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\">%7</radialGradient>\n")
        .arg(id, Number(g->center().x()), Number(g->center().y()), Number(g->radius()),
             Number(g->focalPoint().x()), Number(g->focalPoint().y()), Stops(*g));
  }
  return {};
}

QString FillAttributes(const QBrush& brush, const QString& id) {
  if (brush.style() == Qt::LinearGradientPattern || brush.style() == Qt::RadialGradientPattern)
    return QStringLiteral("fill=\"url(#%1)\"").arg(id);
  QString out = QStringLiteral("fill=\"%1\"").arg(Rgb(brush.color()));
  if (brush.color().alpha() != 255)
    out += QStringLiteral(" fill-opacity=\"%1\"").arg(Number(brush.color().alphaF()));
  return out;
}

}  // namespace

QImage Render(const Scene& scene, int unitsPerSide, int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(qreal(pixels) / unitsPerSide, qreal(pixels) / unitsPerSide);
  p.setPen(Qt::NoPen);
  for (const Shape& shape : scene) p.fillPath(shape.outline, shape.fill);
  p.end();
  return image;
}

QByteArray ToSvg(const Scene& scene, int unitsPerSide, const QString& title) {
  QString defs;
  QString body;
  for (std::size_t i = 0; i < scene.size(); ++i) {
    const QString id = QStringLiteral("g%1").arg(i);
    defs += GradientDefinition(scene[i].fill, id);
    const bool evenOdd = scene[i].outline.fillRule() == Qt::OddEvenFill;
    body += QStringLiteral("<path %1%2 d=\"%3\"/>\n")
                .arg(FillAttributes(scene[i].fill, id),
                     evenOdd ? QStringLiteral(" fill-rule=\"evenodd\"") : QString(),
                     PathData(scene[i].outline));
  }
  const QString side = QString::number(unitsPerSide);
  QString svg = QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                    "height=\"%1\" viewBox=\"0 0 %1 %1\">\n<title>%2</title>\n")
                    .arg(side, title.toHtmlEscaped());
  if (!defs.isEmpty()) svg += QStringLiteral("<defs>\n") + defs + QStringLiteral("</defs>\n");
  svg += body + QStringLiteral("</svg>\n");
  return svg.toUtf8();
}

}  // namespace assets::gen
