#include "pictures.h"

#include <QSize>
#include <QtCore/qglobal.h>

#include <algorithm>
#include <array>
#include <cmath>

// Q_INIT_RESOURCE must be used outside any namespace.
static bool RegisterPictures()
{
    Q_INIT_RESOURCE(pictures);
    return true;
}

void InitPictures()
{
    static const bool registered = RegisterPictures();
    (void)registered;
}

namespace {

// A picture's copies by resolution: copies[k - 1] holds k device pixels to
// the picture pixel in each direction; null past the largest one drawn.
struct Copies {
    std::array<const char*, 3> copies;

    int largestScale() const
    {
        int scale = 1;
        while (scale < int(copies.size()) && copies[scale] != nullptr)
            ++scale;
        return scale;
    }
    QString path(int scale) const { return QString::fromLatin1(copies[scale - 1]); }
};

constexpr std::array<Copies, 6> kPictures{{
    {{":/pictures/stack_icon.png", ":/pictures/stack_icon@2x.png",
      ":/pictures/stack_icon@3x.png"}},
    {{":/pictures/stability_classes.bmp", ":/pictures/stability_classes@2x.png",
      ":/pictures/stability_classes@3x.png"}},
    {{":/pictures/references.png", ":/pictures/references@2x.png",
      ":/pictures/references@3x.png"}},
    {{":/pictures/rural_sigma_y.jpg", ":/pictures/rural_sigma_y@2x.jpg", nullptr}},
    {{":/pictures/rural_sigma_z.jpg", ":/pictures/rural_sigma_z@2x.jpg", nullptr}},
    {{":/pictures/urban_spread.jpg", ":/pictures/urban_spread@2x.jpg", nullptr}},
}};

const Copies* Find(const QString& resource)
{
    for (const Copies& picture : kPictures) {
        if (resource == QLatin1String(picture.copies[0]))
            return &picture;
    }
    return nullptr;
}

// Screens report ratios like 2 or 1.5 exactly; a ratio a hair off a whole
// number is taken as that number, so its own copy shows pixel for pixel.
qreal Settle(qreal devicePixelRatio)
{
    const qreal whole = std::round(devicePixelRatio);
    return std::abs(devicePixelRatio - whole) < 1e-3 ? whole : devicePixelRatio;
}

} // namespace

QPixmap LoadPicture(const QString& resource, qreal devicePixelRatio)
{
    InitPictures();
    const Copies* picture = Find(resource);
    if (picture == nullptr)
        return QPixmap(resource);
    const qreal ratio = std::max<qreal>(Settle(devicePixelRatio), 0.01);
    // The smallest copy with at least a pixel to the device pixel: reducing
    // keeps every line and letter, enlarging would blur them.
    const int scale = std::clamp(int(std::ceil(ratio)), 1, picture->largestScale());
    QPixmap copy(picture->path(scale));
    if (copy.isNull() || ratio == scale) {
        copy.setDevicePixelRatio(scale);
        return copy;
    }
    // Between the copies (1.25, 1.5, ...) or past the largest: resampled
    // once here to the screen's own pixels, so painting it needs no further
    // scaling, which Qt would do by dropping or repeating pixels.
    const QSizeF window = QSizeF(copy.size()) / scale;
    const QSize device(qRound(window.width() * ratio), qRound(window.height() * ratio));
    QPixmap fitted = copy.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    return fitted;
}

QIcon LoadStackIcon()
{
    InitPictures();
    const Copies& stack = kPictures[0];
    QIcon icon;
    for (int scale = 1; scale <= stack.largestScale(); ++scale)
        icon.addFile(stack.path(scale), QSize(50, 37) * scale);
    return icon;
}
