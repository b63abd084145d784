#include <cstring>
#include <string>

#include <gtest/gtest.h>
#include <QApplication>

#include "app/startup.h"
#include "tests/ui/window_test.h"

namespace {

// --scale=R: the display scale the windows are to be drawn at (set by
// QT_SCALE_FACTOR, or on Windows by the display's DPI); 1 when not given.
double expectedScale = 1;

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform's notes on raising and sizing would drown a thousand runs.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (!text.startsWith(QLatin1String("This plugin does not support"))) {
    qtDefaultHandler(type, context, text);
  }
}

}  // namespace

double ui_testing::ExpectedScale() { return expectedScale; }

int main(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--scale=", 8) == 0) expectedScale = std::stod(argv[i] + 8);
  }
#ifndef _WIN32  // on Windows the Windows platform, the one students see
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  qtDefaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  app::SetUpApplication();
  return RUN_ALL_TESTS();
}
