// yelduman: start with the main window only; BİTİR ends the program.
#include <QApplication>

#include "app/startup.h"
#include "ui/app_windows.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  app::SetUpApplication();

  ui::AppWindows windows;
  windows.mainWindow().show();
  return QApplication::exec();
}
