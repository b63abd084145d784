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

// The face itself where it is installed, else the first installed stand-in,
// else the face's own name, and the system picks what it has. Fonts name the
// family directly: a font that names a missing "MS Sans Serif" or "Arial"
// first fails its match, and for each face and slant that fails fontconfig
// sorts all installed fonts for fallbacks before the stand-in is tried.
// Looked up in the list of installed families, not with hasFamily(): that one
// also runs the name through fontconfig's alias rules, which a real family
// does not need.
QString FamilyFor(const QString& face) {
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(face)) return face;
  for (const QString& standIn : kStandIns) {
    if (installed.contains(standIn)) return standIn;
  }
  return face;
}

// Each face's family, looked up once.
const QString& Family(Face face) {
  static const QString msSansSerif = FamilyFor(kMsSansSerif);
  static const QString arial = FamilyFor(kArial);
  return face == Face::Arial ? arial : msSansSerif;
}

}  // namespace

QFont MakeFont(const FontStyle& style) {
  QFont font(Family(style.face));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(style.points);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setStrikeOut(false);
  return font;
}

}  // namespace ui
