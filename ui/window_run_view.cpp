#include "ui/window_run_view.h"

#include <utility>

#include <QLocale>
#include <QMessageBox>

#include "ui/results_window.h"
#include "ui/utf8.h"
#include "ui/window_setup.h"

namespace ui {

WindowRunView::WindowRunView(QWidget* boxOwner, std::function<ResultsWindow&()> resultsWindow)
    : boxOwner_(boxOwner), resultsWindow_(std::move(resultsWindow)) {}

void WindowRunView::prepareList(std::string_view headerRow) {
  ResultsWindow& results = resultsWindow_();
  results.clearRows();
  results.addRow(FromUtf8(headerRow));
}

void WindowRunView::addRow(std::string_view rowText) { resultsWindow_().addRow(FromUtf8(rowText)); }

void WindowRunView::showRefusal(std::string_view message) {
  ShowMessage(boxOwner_, calc::kRefusalTitle, message);
}

void WindowRunView::showCompletion(std::string_view message) {
  ShowMessage(boxOwner_, calc::kCompletionTitle, message);
}

void WindowRunView::reportFault(std::string_view message) {
  ShowMessage(boxOwner_, calc::kFaultTitle, message);
}

void WindowRunView::showResults() { BringUp(&resultsWindow_()); }

std::string WindowRunView::decimalSeparator() const {
  return QLocale().decimalPoint().toStdString();
}

void ShowMessage(QWidget* owner, std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(text), QMessageBox::Ok, owner);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace ui
