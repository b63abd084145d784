#pragma once
// The fixture of the window tests: fresh windows for every test, started as
// the program starts them, in a temporary working directory, under a locale
// with a decimal point. A message box that the test does not take and
// check fails it.
#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/ui/message_box_answerer.h"
#include "ui/app_windows.h"

namespace ui_testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ui::Form1& form1() { return windows_->mainWindow(); }
  // Null until a run has created the results window.
  ui::Form3* form3() { return windows_->resultsWindowIfCreated(); }

  void type(const QString& mesafe, const QString& rzg, const QString& bc, const QString& em);
  // Presses HESAPLA; its boxes are answered with OK while it runs.
  void pressHesapla();
  std::vector<SeenBox> takeBoxes() { return answerer_->take(); }

  QString resultsPath() const { return QDir::current().absoluteFilePath("yelduman.txt"); }
  QByteArray resultsBytes() const;
  QStringList listRows() const;

 private:
  QString previousDirectory_;
  QLocale previousLocale_;
  std::unique_ptr<QTemporaryDir> workDir_;
  std::unique_ptr<ui::AppWindows> windows_;
  std::unique_ptr<MessageBoxAnswerer> answerer_;
};

// Expected boxes of a run, as the user reads them.
SeenBox RefusalBox(const char* utf8Message);
SeenBox CompletionBox();
// Title, text, no icon, a single OK button, modal.
void ExpectBox(const SeenBox& seen, const SeenBox& expected);

}  // namespace ui_testing
