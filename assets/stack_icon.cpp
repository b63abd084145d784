// The window and program icon. Its copies are read only when a size is asked
// for: making the icon at start decodes nothing, and a window system that
// wants one size reads one file.

#include "assets/pictures.h"

#include <QIconEngine>
#include <QPainter>

#include <array>
#include <memory>

#include "assets/picture_list.h"

namespace assets {
namespace {

constexpr const Picture& kIcon = PictureNamed("stack_icon");
constexpr QSize kIconSize = kIcon.size;

class StackIconEngine : public QIconEngine {
 public:
  QIconEngine* clone() const override { return new StackIconEngine(*this); }
  QString key() const override { return QStringLiteral("yelduman-stack"); }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int scale = 1; scale <= kIcon.largestScale; ++scale) sizes.append(kIconSize * scale);
    return sizes;
  }

  // As large as fits the box, but never past the largest copy.
  QSize actualSize(const QSize& box, QIcon::Mode, QIcon::State) override {
    const QSize largest = kIconSize * kIcon.largestScale;
    return largest.scaled(box.boundedTo(largest), Qt::KeepAspectRatio);
  }

  // Every mode shows the picture itself: a window or program icon is never
  // drawn disabled or selected.
  QPixmap pixmap(const QSize& box, QIcon::Mode mode, QIcon::State state) override {
    const QSize size = actualSize(box, mode, state);
    if (size.isEmpty()) return {};
    const QPixmap& copy = copyFor(size);
    return copy.size() == size ? copy
                               : copy.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device()->devicePixelRatioF();
    QPixmap shown = pixmap(rect.size() * ratio, mode, state);
    shown.setDevicePixelRatio(ratio);
    const QSize logical = (QSizeF(shown.size()) / ratio).toSize();
    QRect target(QPoint(0, 0), logical);
    target.moveCenter(rect.center());
    painter->drawPixmap(target, shown);
  }

 private:
  // The smallest copy at least `size` wide, read on first use.
  const QPixmap& copyFor(QSize size) {
    int scale = 1;
    while (scale < kIcon.largestScale && kIconSize.width() * scale < size.width()) ++scale;
    QPixmap& copy = (*loaded_)[scale - 1];
    if (copy.isNull()) {
      InitPictures();
      copy = QPixmap(ResourcePath(kIcon, scale));
      copy.setDevicePixelRatio(1.0);
    }
    return copy;
  }

  // Shared by the clones Qt makes of the icon, so each copy is read once.
  using Copies = std::array<QPixmap, kIcon.largestScale>;
  std::shared_ptr<Copies> loaded_ = std::make_shared<Copies>();
};

}  // namespace

QIcon LoadStackIcon() { return QIcon(new StackIconEngine); }

}  // namespace assets
