#pragma once
// The fixture of the window tests: fresh windows for every test, started as
// the program starts them, in a temporary working directory, under a locale
// with a decimal point. Message boxes are answered with OK as they appear;
// one that a test does not take and check fails it.
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/app_windows.h"

namespace ui_testing {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  qsizetype buttons = 1;
  bool hasOk = true;
  bool modal = true;
  bool resultsWindowVisible = false;  // when the box appeared
};
std::ostream& operator<<(std::ostream& os, const SeenBox& box);

// Title and text as given; no icon, a single OK button, modal.
void ExpectBox(const SeenBox& seen, const QString& title, const QString& text);
inline const QString kCompletionText = "Hesaplama Sonucu YELDUMAN.TXT dosyasina yazdirildi";

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ui::Form1& form1() { return windows_->mainWindow(); }
  ui::Form3* form3() { return windows_->resultsWindowIfCreated(); }  // null before a run
  ui::AppWindows& windows() { return *windows_; }

  void type(const QString& mesafe, const QString& rzg, const QString& bc, const QString& em);
  // Clicks HESAPLA and returns the boxes of its run.
  std::vector<SeenBox> pressHesapla();
  std::vector<SeenBox> takeBoxes() { return std::exchange(boxes_, {}); }

  QString resultsPath() const;
  QByteArray resultsBytes() const;
  QStringList listRows();

 private:
  void answerModalBox();

  QString previousDirectory_;
  QLocale previousLocale_;
  std::unique_ptr<QTemporaryDir> workDir_;
  std::unique_ptr<ui::AppWindows> windows_;
  QTimer boxWatch_;
  QPointer<QMessageBox> lastBox_;  // null again once that box is gone
  std::vector<SeenBox> boxes_;
};

}  // namespace ui_testing

void PrintTo(const QString& text, std::ostream* os);
