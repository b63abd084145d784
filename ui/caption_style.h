#pragma once
// The program's look: the system's own style, with every caption drawn whole.
#include <QProxyStyle>

namespace ui {

// A style draws a button's caption inside the button less its frame and
// margins, and clips it there. The layouts give Windows-sized controls: a
// 17-pixel HESAPLA leaves Windows' style too few rows for a 9.75 pt bold
// caption, so the dots of "BİTİR" and, at 125 %, the feet of the letters were
// cut off. Here a caption may run into the margins; it stays where the style
// puts it (a pressed button's shift included), and the control's own edges
// still bound it.
class CaptionStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  // Over the system's default style, or over `base`, which it then owns.
  explicit CaptionStyle(QStyle* base = nullptr);

  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                    bool enabled, const QString& text,
                    QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

}  // namespace ui
