#pragma once
// The rows of a window's layout, and how a widget takes one on.
#include <string_view>

#include <QString>
#include <QWidget>

#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/utf8.h"

namespace ui {

enum class TextColour { Default, Red, Blue };

struct LayoutRow {
  std::string_view name;     // the system's name, also the objectName
  std::string_view caption;  // UTF-8; empty for text boxes and lists
  Twips rect;                // in the client area, or in the enclosing frame
  FontStyle font = kWindowFont;
  TextColour colour = TextColour::Default;
};

// A picture's row: the picture is shown unscaled from the row's top-left
// corner.
struct PictureRow {
  std::string_view name;      // the system's name, also the objectName
  std::string_view resource;  // Qt resource path of the picture
  Twips rect;
};

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

}  // namespace ui
