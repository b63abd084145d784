#pragma once
// Widgets made from the layout vocabulary (layout.h): a window set up from
// its first row, a control from its row, the command buttons, and a window
// brought to the front.
#include <QString>
#include <QWidget>

#include "ui/layout.h"
#include "ui/utf8.h"

class QPushButton;

namespace ui {

// Name, title, the default font of its controls, and a client area that
// cannot be resized.
void SetUpWindow(QWidget* window, const WindowLayout& layout);

// Shows the window, or brings it to the front and activates it when it is
// already visible.
void BringUp(QWidget* window);

// Name, position, size, font and text colour of the row; each is set on
// the widget itself, so nothing is inherited from an enclosing frame.
void ApplyLook(QWidget* widget, const LayoutRow& row);

// Creates a control inside `parent` as its row describes it, caption
// included (a frame's caption is its title).
template <class Widget>
Widget* MakeControl(QWidget* parent, const LayoutRow& row) {
  auto* widget = new Widget(parent);
  ApplyLook(widget, row);
  const QString caption = FromUtf8(row.caption);
  if constexpr (requires { widget->setTitle(caption); }) {
    widget->setTitle(caption);
  } else if constexpr (requires { widget->setText(caption); }) {
    widget->setText(caption);
  }
  return widget;
}

// What a command button does beyond its row, by window.
struct CommandOptions {
  // Drawn above the controls made before it: a picture window's buttons over
  // its picture.
  bool raised = false;
  // Has the focus when its window is first shown: a picture window's button
  // of tab index 0. Elsewhere the focus starts where the window puts it (the
  // main window's distance box; the results window's list, made first).
  bool focused = false;
};

// A command button as its row describes it. It is never a default button,
// nor an auto-default one: Enter and Escape press no button of any window.
QPushButton* MakeCommand(QWidget* parent, const LayoutRow& row, CommandOptions options = {});

}  // namespace ui
