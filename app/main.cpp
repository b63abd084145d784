// yelduman: start with the main window only; BİTİR ends the program.
#include <QApplication>

#include "ui/app_windows.h"
#include "ui/fonts.h"
#include "ui/window_icon.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("yelduman"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  // Lets Wayland desktops match the windows to the installed menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.yelduman"));
  QApplication::setWindowIcon(ui::StackIcon());
  ui::RegisterFontSubstitutes();

  ui::AppWindows windows;
  windows.mainWindow().show();
  return QApplication::exec();
}
