#include "assets/pictures.h"

#include <QtCore/qglobal.h>
#include <QSize>

#include <algorithm>
#include <cmath>

#include "assets/picture_list.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static bool RegisterPictures() {
  Q_INIT_RESOURCE(pictures);
  return true;
}

namespace assets {
namespace {

// Screens report ratios like 2 or 1.5 exactly; a ratio a hair off a whole
// number is taken as that number, so its own copy shows pixel for pixel.
qreal Settle(qreal devicePixelRatio) {
  const qreal whole = std::round(devicePixelRatio);
  return std::abs(devicePixelRatio - whole) < 1e-3 ? whole : devicePixelRatio;
}

// The listed picture stored under `resource` (its copy at one device pixel
// to the pixel), or null for any other path.
const Picture* FindPicture(const QString& resource) {
  const auto found = std::find_if(std::begin(kPictures), std::end(kPictures),
                                  [&](const Picture& p) { return ResourcePath(p, 1) == resource; });
  return found == std::end(kPictures) ? nullptr : &*found;
}

}  // namespace

void InitPictures() {
  static const bool registered = RegisterPictures();
  (void)registered;
}

QPixmap LoadPicture(const QString& resource, qreal devicePixelRatio) {
  InitPictures();
  const Picture* picture = FindPicture(resource);
  if (picture == nullptr) return QPixmap(resource);
  const qreal ratio = std::max<qreal>(Settle(devicePixelRatio), 0.01);
  // The smallest copy with at least a pixel to the device pixel: reducing
  // keeps every line and letter, enlarging would blur them.
  const int scale = std::clamp(int(std::ceil(ratio)), 1, picture->largestScale);
  QPixmap copy(ResourcePath(*picture, scale));
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

}  // namespace assets
