// The window tests run in-process, started as the program starts; without a
// display they use the offscreen platform unless the environment names another.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "tests/ui/quiet_offscreen.h"

int main(int argc, char* argv[]) {
  ui_testing::UseQuietOffscreenPlatform();
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  app::SetUpApplication();
  return RUN_ALL_TESTS();
}
