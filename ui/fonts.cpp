#include "ui/fonts.h"

#include <QString>
#include <QStringList>

namespace ui {
namespace {

const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
const QString kArial = QStringLiteral("Arial");

// Liberation Sans is metric-compatible with Arial, so captions fill the
// width their layout rows give them; DejaVu Sans only if it is missing.
const QStringList kStandIns = {QStringLiteral("Liberation Sans"),
                               QStringLiteral("DejaVu Sans")};

}  // namespace

void RegisterFontSubstitutes() {
  QFont::insertSubstitutions(kMsSansSerif, kStandIns);
  QFont::insertSubstitutions(kArial, kStandIns);
}

QFont MakeFont(const FontStyle& style) {
  QFont font(style.face == Face::Arial ? kArial : kMsSansSerif);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(style.points);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setStrikeOut(false);
  return font;
}

}  // namespace ui
