#include "pictures.h"

#include "picture_copies.h"

#include <QtCore/qglobal.h>
#include <QSize>

#include <algorithm>
#include <array>
#include <cmath>

// Q_INIT_RESOURCE must be used outside any namespace.
static bool RegisterPictures() {
  Q_INIT_RESOURCE(pictures);
  return true;
}

void InitPictures() {
  static const bool registered = RegisterPictures();
  (void)registered;
}

namespace pictures {
namespace {

const std::array<Copies, 6> kPictures{{
    {":/pictures/stack_icon.png", ":/pictures/stack_icon@2x.png", ":/pictures/stack_icon@3x.png"},
    {":/pictures/stability_classes.bmp", ":/pictures/stability_classes@2x.png",
     ":/pictures/stability_classes@3x.png"},
    {":/pictures/references.png", ":/pictures/references@2x.png", ":/pictures/references@3x.png"},
    {":/pictures/rural_sigma_y.jpg", ":/pictures/rural_sigma_y@2x.jpg"},
    {":/pictures/rural_sigma_z.jpg", ":/pictures/rural_sigma_z@2x.jpg"},
    {":/pictures/urban_spread.jpg", ":/pictures/urban_spread@2x.jpg"},
}};

// Screens report ratios like 2 or 1.5 exactly; a ratio a hair off a whole
// number is taken as that number, so its own copy shows pixel for pixel.
qreal Settle(qreal devicePixelRatio) {
  const qreal whole = std::round(devicePixelRatio);
  return std::abs(devicePixelRatio - whole) < 1e-3 ? whole : devicePixelRatio;
}

}  // namespace

const Copies* FindCopies(const QString& resource) {
  const auto found = std::find_if(kPictures.begin(), kPictures.end(),
                                  [&](const Copies& c) { return c.isNamed(resource); });
  return found == kPictures.end() ? nullptr : &*found;
}

const Copies& StackIconCopies() { return kPictures[0]; }

}  // namespace pictures

QPixmap LoadPicture(const QString& resource, qreal devicePixelRatio) {
  InitPictures();
  const pictures::Copies* copies = pictures::FindCopies(resource);
  if (copies == nullptr) return QPixmap(resource);
  const qreal ratio = std::max<qreal>(pictures::Settle(devicePixelRatio), 0.01);
  // The smallest copy with at least a pixel to the device pixel: reducing
  // keeps every line and letter, enlarging would blur them.
  const int scale = std::clamp(int(std::ceil(ratio)), 1, copies->largestScale());
  QPixmap copy(copies->at(scale));
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
