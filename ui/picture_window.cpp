#include "ui/picture_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/utf8.h"

#if YELDUMAN_HAVE_PICTURES
#include "assets/pictures.h"
#endif

namespace ui {
namespace {

QPixmap LoadPicture(std::string_view resource) {
#if YELDUMAN_HAVE_PICTURES
  InitPictures();
#endif
  return QPixmap(FromUtf8(resource));
}

}  // namespace

// No parent widget: the window stands on its own, and its owner keeps it.
PictureWindow::PictureWindow(const WindowLayout& window, const PictureRow& picture) {
  SetUpWindow(this, window);

  // Unscaled, from its top-left corner; no focus, no reaction.
  auto* label = new QLabel(this);
  label->setObjectName(FromUtf8(picture.name));
  label->setGeometry(ToPixels(picture.rect));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setPixmap(LoadPicture(picture.resource));
}

QPushButton* PictureWindow::addCommand(const LayoutRow& row) {
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

}  // namespace ui
