#pragma once
// Form5, the references window: the credits and references picture, three
// buttons for the spread-coefficient tables, and K A P A T, which gives the
// user back the main window.
#include "ui/reference_window.h"

class QCloseEvent;

namespace ui {

class Form5 final : public ReferenceWindow {
  Q_OBJECT

 public:
  Form5();

  QLabel* const Image4;
  QPushButton* const Command1;  // "Kırsal Alan Sy Hesabı"
  QPushButton* const Command2;  // "Kırsal Alan Sz Hesabı"
  QPushButton* const Command3;  // "Kentsel Alan Sy ve Sz Hesabı"
  QPushButton* const Command4;  // "K A P A T"

 signals:
  void ruralSigmaYRequested();
  void ruralSigmaZRequested();
  void urbanSpreadRequested();
  // K A P A T or the title bar's close: whoever keeps the windows shows the
  // main window again, then hides this one.
  void closeRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace ui
