#pragma once
// Form3, the results window: the rows of the last run and a close button.
#include <QWidget>

class QListWidget;
class QPushButton;

namespace ui {

class Form3 final : public QWidget {
  Q_OBJECT

 public:
  Form3();

  // Shows the window, or brings it to the front and activates it when it
  // is already visible.
  void bringUp();

  QListWidget* List1;
  QPushButton* kapat;
};

}  // namespace ui
