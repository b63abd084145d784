#include "ui/window_run_view.h"

#include <utility>

#include <QListWidget>
#include <QLocale>
#include <QMessageBox>

#include "ui/results_window.h"

namespace ui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

WindowRunView::WindowRunView(QWidget* boxOwner, std::function<Form3&()> resultsWindow)
    : boxOwner_(boxOwner), resultsWindow_(std::move(resultsWindow)) {}

void WindowRunView::prepareList(std::string_view headerRow) {
  QListWidget* list = resultsWindow_().List1;
  list->clear();
  list->addItem(FromUtf8(headerRow));
}

void WindowRunView::addRow(std::string_view rowText) {
  resultsWindow_().List1->addItem(FromUtf8(rowText));
}

void WindowRunView::showRefusal(std::string_view message) {
  ShowMessage(boxOwner_, calc::kRefusalTitle, message);
}

void WindowRunView::showCompletion(std::string_view message) {
  ShowMessage(boxOwner_, calc::kCompletionTitle, message);
}

void WindowRunView::reportFault(std::string_view message) {
  ShowMessage(boxOwner_, calc::kFaultTitle, message);
}

void WindowRunView::showResults() { resultsWindow_().bringUp(); }

std::string WindowRunView::decimalSeparator() const {
  return QLocale().decimalPoint().toStdString();
}

void ShowMessage(QWidget* owner, std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(text), QMessageBox::Ok, owner);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace ui
