#include "ui/controls.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>

#include "ui/fonts.h"

namespace ui {
namespace {

QColor ColourOf(TextColour colour, const QPalette& defaults, QPalette::ColorGroup group,
                QPalette::ColorRole role) {
  switch (colour) {
    case TextColour::Red: return Qt::red;
    case TextColour::Blue: return Qt::blue;
    case TextColour::Default: break;
  }
  return defaults.color(group, role);
}

}  // namespace

void SetUpWindow(QWidget* window, const WindowLayout& layout) {
  window->setObjectName(FromUtf8(layout.name));
  window->setWindowTitle(FromUtf8(layout.title));
  window->setFont(MakeFont(kWindowFont));
  window->setFixedSize(ToPixels(layout.client));
}

void BringUp(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void ApplyLook(QWidget* widget, const LayoutRow& row) {
  widget->setObjectName(FromUtf8(row.name));
  widget->setGeometry(ToPixels(row.rect));
  widget->setFont(MakeFont(row.font));

  // Every text role is set, the default ones too: a palette set on a frame
  // would otherwise colour the option buttons inside it.
  const QPalette defaults = QApplication::palette(widget);
  QPalette palette = widget->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      palette.setColor(group, role, ColourOf(row.colour, defaults, group, role));
    }
  }
  widget->setPalette(palette);
}

QPushButton* MakeCommand(QWidget* parent, const LayoutRow& row, CommandOptions options) {
  auto* button = MakeControl<QPushButton>(parent, row);
  button->setAutoDefault(false);
  button->setDefault(false);
  if (options.raised) button->raise();
  if (options.focused) button->setFocus(Qt::OtherFocusReason);
  return button;
}

}  // namespace ui
