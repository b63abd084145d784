#include "ui/caption_style.h"

namespace ui {

CaptionStyle::CaptionStyle(QStyle* base) : QProxyStyle(base) {}

void CaptionStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                const QPalette& palette, bool enabled, const QString& text,
                                QPalette::ColorRole textRole) const {
  QProxyStyle::drawItemText(painter, rect, flags | Qt::TextDontClip, palette, enabled, text,
                            textRole);
}

}  // namespace ui
