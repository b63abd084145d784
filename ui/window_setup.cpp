#include "ui/window_setup.h"

#include <QWidget>

#include "ui/fonts.h"
#include "ui/utf8.h"

namespace ui {

void SetUpWindow(QWidget* window, const WindowLayout& layout, const QIcon& icon) {
  window->setObjectName(FromUtf8(layout.name));
  window->setWindowTitle(FromUtf8(layout.title));
  if (!icon.isNull()) window->setWindowIcon(icon);
  window->setFont(MakeFont(kWindowFont));
  window->setFixedSize(ToPixels(layout.client));
}

void BringUp(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace ui
