// The program icon for desktop menus, which want square pictures: the 50 x 37
// stack picture enlarged by a whole factor (never stretched) and centred on a
// transparent square. Pixels are repeated, not blended, so the enlarged icon
// holds exactly the colours of the small one.

#include "drawings.h"

#include <QPainter>

QImage DrawSquareIcon(int side, int factor)
{
    const QImage stack = DrawStackIcon(1);
    const QImage big = stack.scaled(stack.width() * factor, stack.height() * factor,
                                    Qt::KeepAspectRatio, Qt::FastTransformation);
    if (big.width() > side || big.height() > side)
        return {}; // does not fit: the caller's size check refuses it
    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter p(&square);
    p.drawImage((side - big.width()) / 2, (side - big.height()) / 2, big);
    p.end();
    return square;
}
