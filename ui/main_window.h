#pragma once
// Form1, the main window: the four inputs, the two option groups and the
// four commands.
#include <QWidget>

#include "calc/input_check.h"
#include "calc/types.h"

class QButtonGroup;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class Form1 final : public QWidget {
  Q_OBJECT

 public:
  Form1();

  // The four texts exactly as typed, and the two selections: what a run reads.
  calc::InputTexts inputTexts() const;
  calc::StabilityClass stabilityClass() const;
  calc::AreaType areaType() const;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLineEdit* Mesafe;
  QLineEdit* Rzg;
  QLineEdit* Bc;
  QLineEdit* Em;
  QGroupBox* Frame1;
  QRadioButton* atma;
  QRadioButton* atmb;
  QRadioButton* atmc;
  QRadioButton* atmd;
  QRadioButton* atme;
  QRadioButton* atmf;
  QGroupBox* Frame2;
  QRadioButton* kir;
  QRadioButton* kent;
  QPushButton* tablo;
  QPushButton* hesap;
  QPushButton* bitir;
  QPushButton* KAYNAK;

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
  void load();

  QButtonGroup* classGroup_;
  QButtonGroup* areaGroup_;
};

// Ends the program at once: no window is asked to close first.
void EndProgram();

}  // namespace ui
