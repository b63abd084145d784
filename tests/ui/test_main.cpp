// The window tests run in-process; without a display they use the offscreen
// platform unless the environment names another.
#include <QApplication>
#include <gtest/gtest.h>

#include "tests/ui/quiet_offscreen.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
  ui_testing::UseQuietOffscreenPlatform();
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ui::RegisterFontSubstitutes();
  return RUN_ALL_TESTS();
}
