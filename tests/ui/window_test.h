#pragma once
// Fresh windows per test in a temporary directory, under a decimal-point locale. Boxes are
// answered OK; one not expected, or not a plain OK box over the main window, fails the test.
#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <QTest>
#include <QtWidgets>

#include "calc/run_messages.h"
#include "testing/windows.h"
#include "ui/app_windows.h"

namespace ui_testing {

using testing_support::Find;
using testing_support::SeenBox;
using testing_support::TopLevel;
using Causes = std::vector<calc::RunMessage>;
inline const calc::RunMessage kCompleted = calc::Completion{};

class WindowTest : public QObject, public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  bool eventFilter(QObject* watched, QEvent* event) override;  // the window log

  ui::MainWindow& mainWindow() { return windows_->mainWindow(); }
  QWidget* resultsWindow() { return TopLevel("Form3"); }  // null before a run

  template <class Control = QWidget>
  Control* mainControl(const char* name) {
    return Find<Control>(&mainWindow(), name);
  }
  void click(const char* button) { mainControl<QPushButton>(button)->click(); }
  void select(const char* option) { mainControl<QRadioButton>(option)->setChecked(true); }

  // The texts of Mesafe, Rzg, Bc and Em, in that order.
  void type(const QStringList& typed);
  QStringList texts();
  // Clicks HESAPLA, whose boxes must be those of `causes`, in order: each worded as
  // calc/user_messages words its cause, a plain OK box over the main window.
  std::vector<SeenBox> pressHesapla(const Causes& causes);
  // Every window opened (testing_support::OpenEveryWindow), and its runs' boxes expected.
  void openEveryWindow();
  // Since the last call, by object name: "+Form5" when the references window
  // was shown, "-Form1" when the main window was hidden.
  QStringList takeWindowLog() { return std::exchange(windowLog_, {}); }
  // The window's `closeButton`, then its title bar's close, each only hide it: after
  // either, `reopen` shows the same window again, even once deferred deletes have run.
  void expectCloseOnlyHides(QWidget* window, const char* closeButton,
                            const std::function<void()>& reopen);

  QStringList listRows();

 private:
  std::vector<SeenBox> expectBoxes(const Causes& causes);  // those seen since the last call

  QString previousDirectory_;
  QLocale previousLocale_;
  std::unique_ptr<QTemporaryDir> workDir_;
  std::unique_ptr<ui::AppWindows> windows_;
  QStringList windowLog_;
  std::unique_ptr<testing_support::BoxAnswerer> boxes_;
};

}  // namespace ui_testing

void PrintTo(const QString& text, std::ostream* os);
