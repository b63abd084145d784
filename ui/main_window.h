#pragma once
// The main window: the four inputs, the two option groups and the four
// commands.
#include <QWidget>

#include "calc/input_check.h"
#include "calc/types.h"

class QButtonGroup;
class QCloseEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  MainWindow();

  // The four texts exactly as typed, and the two selections: what a run reads.
  calc::InputTexts inputTexts() const;
  calc::StabilityClass stabilityClass() const;
  calc::AreaType areaType() const;

 signals:
  void calculationRequested();  // HESAPLA
  void tableRequested();        // TABLO
  void referencesRequested();   // KAYNAKLAR

 protected:
  // The title bar's close ends the program, as BİTİR does.
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void chainTabOrder();
  void selectStartingState();

  QLineEdit* distanceBox_;
  QLineEdit* windSpeedBox_;
  QLineEdit* stackHeightBox_;
  QLineEdit* emissionRateBox_;
  QButtonGroup* classGroup_;
  QRadioButton* classA_;
  QRadioButton* classB_;
  QRadioButton* classC_;
  QRadioButton* classD_;
  QRadioButton* classE_;
  QRadioButton* classF_;
  QButtonGroup* areaGroup_;
  QRadioButton* ruralOption_;
  QRadioButton* urbanOption_;
  QPushButton* tableButton_;
  QPushButton* calculateButton_;
  QPushButton* exitButton_;
  QPushButton* referencesButton_;
};

// Ends the program at once: no window is asked to close first.
void EndProgram();

}  // namespace ui
