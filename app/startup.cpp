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
  // The stack, set once and here: Qt gives the application's icon to every
  // window without one of its own, and no window has one. So the main window
  // (its title bar, the taskbar) shows it, and so do the results window, the
  // reference windows and the message boxes; set on the main window alone, it
  // would be lost to them.
  QApplication::setWindowIcon(assets::LoadStackIcon());
  // The system's style, every caption drawn whole at any display scale.
  QApplication::setStyle(new ui::CaptionStyle);
}

}  // namespace app
