// The one main of the Qt test programs: the offscreen platform unless another
// is named, the application, then every test.
#include <gtest/gtest.h>
#include <QApplication>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform's notes on raising and sizing would drown the tests' own output.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (!text.startsWith(QLatin1String("This plugin does not support"))) {
    qtDefaultHandler(type, context, text);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
#ifndef _WIN32  // on Windows the Windows platform, the one students see
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  qtDefaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
