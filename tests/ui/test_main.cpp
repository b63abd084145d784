// The window tests run in-process; without a display they use the offscreen
// platform unless the environment names another.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/fonts.h"

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform says so each time a window is raised or sized from
// its contents; nothing a test checks depends on it.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  qtDefaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtDefaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ui::RegisterFontSubstitutes();
  return RUN_ALL_TESTS();
}
