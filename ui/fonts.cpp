#include "ui/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace ui {
namespace {

const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
const QString kArial = QStringLiteral("Arial");

// Where the named face is not installed (everywhere but Windows): Liberation
// Sans is metric-compatible with Arial, so captions fill the width their
// layout rows give them; DejaVu Sans only if it is missing.
const QStringList kStandIns = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};

// The face itself where it is installed, else the installed stand-in, looked
// up once. Fonts name it directly: a font that names a missing "MS Sans
// Serif" or "Arial" first fails its match, and for each face and slant that
// fails fontconfig sorts all installed fonts for fallbacks before the
// stand-in is tried. Empty when neither is installed, and then the face's
// own name is asked for and the system picks what it has.
// The list of installed families, not hasFamily(): that one also runs the
// name through fontconfig's alias rules, which a real family does not need.
const QString& Family(Face face) {
  static const auto pick = [](const QString& named) {
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(named)) return named;
    for (const QString& standIn : kStandIns) {
      if (installed.contains(standIn)) return standIn;
    }
    return QString();
  };
  static const QString msSansSerif = pick(kMsSansSerif);
  static const QString arial = pick(kArial);
  return face == Face::Arial ? arial : msSansSerif;
}

}  // namespace

QFont MakeFont(const FontStyle& style) {
  const QString& family = Family(style.face);
  QFont font(!family.isEmpty() ? family : style.face == Face::Arial ? kArial : kMsSansSerif);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(style.points);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setStrikeOut(false);
  return font;
}

}  // namespace ui
