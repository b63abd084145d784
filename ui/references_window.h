#pragma once
// The references window: the credits and references picture, three buttons
// for the spread-coefficient tables, and K A P A T, which gives the user
// back the main window.
#include "ui/picture_window.h"

class QCloseEvent;

namespace ui {

class ReferencesWindow final : public PictureWindow {
  Q_OBJECT

 public:
  ReferencesWindow();

 signals:
  void ruralSigmaYRequested();  // "Kırsal Alan Sy Hesabı"
  void ruralSigmaZRequested();  // "Kırsal Alan Sz Hesabı"
  void urbanSpreadRequested();  // "Kentsel Alan Sy ve Sz Hesabı"
  // K A P A T or the title bar's close: whoever keeps the windows shows the
  // main window again, then hides this one.
  void closeRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace ui
