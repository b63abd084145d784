// The window tests run in-process, started as the program starts; without a
// display they use the offscreen platform unless the environment names another.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/startup.h"

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform notes each time a window is raised or sized from
// its contents; nothing a test checks depends on it, and a thousand runs
// would drown the output in it.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (!text.startsWith(QLatin1String("This plugin does not support"))) {
    qtDefaultHandler(type, context, text);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtDefaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  app::SetUpApplication();
  return RUN_ALL_TESTS();
}
