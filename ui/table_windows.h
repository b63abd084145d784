#pragma once
// The windows that show one table and a button that hides them: the
// stability-class table (Form2) and the three spread-coefficient tables
// (Form6 rural sigmaY, Form7 rural sigmaZ, Form4 urban sigmaY and sigmaZ).
// The title bar's close hides them too; showing one again brings back the
// same window.
#include "ui/reference_window.h"

namespace ui {

class TableWindow : public ReferenceWindow {
  Q_OBJECT

 protected:
  explicit TableWindow(const TableWindowDesign& design);

  QPushButton* closeButton() const { return closeButton_; }

 private:
  QPushButton* closeButton_;
};

// TABLO on the main window.
class Form2 final : public TableWindow {
  Q_OBJECT

 public:
  Form2();
  QLabel* const Image1;
  QPushButton* const kapat;  // "TABLOYU KAPAT"
};

// "Kırsal Alan Sy Hesabı" on the references window.
class Form6 final : public TableWindow {
  Q_OBJECT

 public:
  Form6();
  QLabel* const Image2;
  QPushButton* const Command1;
};

// "Kırsal Alan Sz Hesabı" on the references window.
class Form7 final : public TableWindow {
  Q_OBJECT

 public:
  Form7();
  QLabel* const Image1;
  QPushButton* const Command1;
};

// "Kentsel Alan Sy ve Sz Hesabı" on the references window.
class Form4 final : public TableWindow {
  Q_OBJECT

 public:
  Form4();
  QLabel* const Image3;
  QPushButton* const Command1;
};

}  // namespace ui
