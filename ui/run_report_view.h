#pragma once
// The windows' side of a calculation run: what the user sees of its report.
#include <functional>
#include <string>

#include "calc/calculation_run.h"

class QWidget;

namespace ui {

class ResultsWindow;

// The user's decimal separator (UTF-8), for the values of the results list.
std::string ListDecimalSeparator();

// Sets the results list (or leaves it as it was), shows each message in turn
// as a box over `boxOwner` and waits for it, and on completion brings the
// results window up. `resultsWindow` hands out the results window, creating
// it hidden on first need.
void ShowRunReport(const calc::RunReport& report, QWidget* boxOwner,
                   const std::function<ResultsWindow&()>& resultsWindow);

}  // namespace ui
