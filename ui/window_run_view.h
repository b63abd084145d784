#pragma once
// The windows' side of a calculation run: the results list, the message
// boxes and the results window.
#include <functional>
#include <string>
#include <string_view>

#include "calc/calculation_run.h"

class QWidget;

namespace ui {

class ResultsWindow;

class WindowRunView final : public calc::RunView {
 public:
  // `boxOwner` is the window the message boxes stand over; `resultsWindow`
  // hands out the results window, creating it hidden on first need.
  WindowRunView(QWidget* boxOwner, std::function<ResultsWindow&()> resultsWindow);

  void prepareList(std::string_view headerRow) override;
  void addRow(std::string_view rowText) override;
  void showRefusal(std::string_view message) override;
  void showCompletion(std::string_view message) override;
  void reportFault(std::string_view message) override;
  void showResults() override;
  std::string decimalSeparator() const override;

 private:
  QWidget* boxOwner_;
  std::function<ResultsWindow&()> resultsWindow_;
};

// A modal message box with the text, the title, one OK button and no icon;
// returns when the user has dismissed it.
void ShowMessage(QWidget* owner, std::string_view title, std::string_view text);

}  // namespace ui
