#pragma once
// What every window of the program does the same way: its name, title and
// fixed client size from its layout table, and coming to the front.
#include <string_view>

#include <QIcon>

#include "ui/geometry.h"

class QWidget;

namespace ui {

// The first row of a window's layout table.
struct WindowLayout {
  std::string_view name;   // the system's name, also the objectName
  std::string_view title;  // UTF-8
  TwipSize client;
};

// Name, title, the icon when the window has one of its own, the default
// font of its controls, and a client area that cannot be resized.
void SetUpWindow(QWidget* window, const WindowLayout& layout, const QIcon& icon = {});

// Shows the window, or brings it to the front and activates it when it is
// already visible.
void BringUp(QWidget* window);

}  // namespace ui
