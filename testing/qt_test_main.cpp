// The one main of the Qt test programs: the offscreen platform unless another
// is named, the application, then every test.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char* argv[]) {
#ifndef _WIN32  // on Windows the Windows platform, the one students see
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
