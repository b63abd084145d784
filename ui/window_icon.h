#pragma once
#include <QIcon>

namespace ui {

// The smoking factory stack of the main window's title bar and of the
// program; an empty icon when the pictures are not built in.
QIcon StackIcon();

}  // namespace ui
