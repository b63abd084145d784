#include "ui/reference_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#if YELDUMAN_HAVE_PICTURES
#include "assets/pictures.h"
#endif

namespace ui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QPixmap LoadPicture(std::string_view resource) {
#if YELDUMAN_HAVE_PICTURES
  InitPictures();
#endif
  return QPixmap(FromUtf8(resource));
}

}  // namespace

// No parent widget: the window stands on its own, and its owner keeps it.
ReferenceWindow::ReferenceWindow(const WindowSpec& window, const PictureSpec& picture) {
  setObjectName(FromUtf8(window.name));
  setWindowTitle(FromUtf8(window.title));
  setFont(MakeFont(kWindowFont));
  setFixedSize(ToPixels(window.client));

  // Unscaled, from its top-left corner; no focus, no reaction.
  picture_ = new QLabel(this);
  picture_->setObjectName(FromUtf8(picture.name));
  picture_->setGeometry(ToPixels(picture.rect));
  picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture_->setPixmap(LoadPicture(picture.resource));
}

QPushButton* ReferenceWindow::addCommand(const ControlSpec& row) {
  auto* button = MakeControl<QPushButton>(this, row);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->raise();
  // Creation order is the tab order; the first button is tab index 0.
  if (!hasFirstCommand_) {
    hasFirstCommand_ = true;
    button->setFocus(Qt::OtherFocusReason);
  }
  return button;
}

void ReferenceWindow::bringUp() {
  show();
  raise();
  activateWindow();
}

}  // namespace ui
