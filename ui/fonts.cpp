#include "ui/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace ui {
namespace {

const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
const QString kArial = QStringLiteral("Arial");

// Liberation Sans is metric-compatible with Arial, so captions fill the
// width their layout rows give them; DejaVu Sans only if it is missing.
const QStringList kStandIns = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};

// The installed stand-in, looked up once. Fonts name it directly: a font
// that names "MS Sans Serif" or "Arial" first fails its match, and for each
// face and slant that fails fontconfig sorts all installed fonts for
// fallbacks before the stand-in is tried. Empty when none is installed, and
// then the face's own name is asked for and the system picks what it has.
const QString& StandIn() {
  static const QString family = [] {
    // The list of installed families, not hasFamily(): that one also runs
    // the name through fontconfig's alias rules, which a real family does
    // not need.
    const QStringList installed = QFontDatabase::families();
    for (const QString& standIn : kStandIns) {
      if (installed.contains(standIn)) return standIn;
    }
    return QString();
  }();
  return family;
}

}  // namespace

QFont MakeFont(const FontStyle& style) {
  const QString& standIn = StandIn();
  QFont font(!standIn.isEmpty() ? standIn : style.face == Face::Arial ? kArial : kMsSansSerif);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(style.points);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setStrikeOut(false);
  return font;
}

}  // namespace ui
