#include "ui/picture_window.h"

#include <QLabel>
#include <QPixmap>
#include <QShowEvent>
#include <QWindow>

#include "assets/pictures.h"

namespace ui {

// No parent widget: the window stands on its own, and its owner keeps it.
PictureWindow::PictureWindow(const WindowLayout& window, const PictureRow& picture) {
  SetUpWindow(this, window);

  // Unscaled, from its top-left corner; no focus, no reaction.
  picture_ = new QLabel(this);
  picture_->setObjectName(FromUtf8(picture.name));
  picture_->setGeometry(ToPixels(picture.rect));
  picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  pictureResource_ = FromUtf8(picture.resource);
  fitPictureToScreen();
}

void PictureWindow::fitPictureToScreen() {
  const qreal ratio = devicePixelRatioF();
  if (picture_->pixmap().devicePixelRatio() == ratio && !picture_->pixmap().isNull()) return;
  // The copy drawn for the screen's density, at the picture's own size in
  // window pixels.
  picture_->setPixmap(assets::LoadPicture(pictureResource_, ratio));
}

// Shown on another screen, or moved to one of another density: the copy
// for that screen.
void PictureWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!watchesScreen_ && windowHandle() != nullptr) {
    watchesScreen_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, &PictureWindow::fitPictureToScreen);
  }
  fitPictureToScreen();
}

}  // namespace ui
