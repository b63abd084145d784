// Each face of the layout tables looked up among the installed ones.
#include "ui/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace ui {
namespace {

// Each face of the layouts is drawn by an outline face that holds every
// Turkish letter and scales to any display, the first of its list that is
// installed. On Windows "MS Sans Serif" is a raster face: fixed pixel sizes,
// glyphs only for the system's code page (no İ ı Ş ş Ğ ğ on a Windows that
// does not speak Turkish), and Qt swaps a request for it to Arial when italic
// or large, so one window would mix faces. "Microsoft Sans Serif", installed
// on every Windows, is its outline twin (bold and italic synthesised from its
// one regular file). Elsewhere Liberation Sans, metric-compatible with Arial,
// stands in for both, so captions fill the width their layout rows give them;
// DejaVu Sans only if it is missing.
#ifdef Q_OS_WIN
const QStringList kMsSansSerifFaces = {QStringLiteral("Microsoft Sans Serif")};
const QStringList kArialFaces = {QStringLiteral("Arial")};
#else
const QStringList kMsSansSerifFaces = {QStringLiteral("Liberation Sans"),
                                       QStringLiteral("DejaVu Sans")};
const QStringList kArialFaces = kMsSansSerifFaces;
#endif

// The first installed face of the list, else the first by name, and the
// system picks what it has. Fonts name the family directly: for a family
// that fails its match fontconfig sorts all installed fonts for fallbacks.
// Looked up in the list of installed families, which Qt reads at its first
// font anyway, not with hasFamily(): that one also runs the name through
// fontconfig's alias rules, which a real family does not need.
QString FamilyFor(const QStringList& faces) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& face : faces) {
    if (installed.contains(face)) return face;
  }
  return faces.front();
}

// Each face's family, looked up once.
const QString& Family(Face face) {
  static const QString msSansSerif = FamilyFor(kMsSansSerifFaces);
  static const QString arial = FamilyFor(kArialFaces);
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
