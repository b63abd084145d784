#include "app/startup.h"

#include <QApplication>

#include "app/version.h"
#include "assets/pictures.h"
#include "ui/caption_style.h"

namespace app {

void SetUpApplication() {
  QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
  QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
  // Lets Wayland desktops match the windows to the installed menu entry.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
  QApplication::setWindowIcon(assets::LoadStackIcon());
  // The system's style, every caption drawn whole at any display scale.
  QApplication::setStyle(new ui::CaptionStyle);
}

}  // namespace app
