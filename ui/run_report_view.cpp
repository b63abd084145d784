#include "ui/run_report_view.h"

#include <algorithm>
#include <string_view>

#include <QLocale>
#include <QMessageBox>

#include "calc/results_format.h"
#include "calc/user_messages.h"
#include "ui/controls.h"
#include "ui/results_window.h"
#include "ui/utf8.h"

namespace ui {
namespace {

// The header row, then each row as the run wrote it.
void SetList(ResultsWindow& results, const calc::RunReport& report) {
  results.clearRows();
  results.addRow(FromUtf8(calc::kListHeaderRow));
  for (std::string_view rows = report.rows; !rows.empty();) {
    const std::size_t end = std::min(rows.find('\n'), rows.size());
    results.addRow(FromUtf8(rows.substr(0, end)));
    rows.remove_prefix(std::min(end + 1, rows.size()));
  }
}

// A modal box with the title, the text, one OK button and no icon; returns
// once the user has dismissed it.
void ShowMessage(QWidget* owner, std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(text), QMessageBox::Ok, owner);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace

std::string ListDecimalSeparator() { return QLocale().decimalPoint().toStdString(); }

void ShowRunReport(const calc::RunReport& report, QWidget* boxOwner,
                   const std::function<ResultsWindow&()>& resultsWindow) {
  if (report.list != calc::ListChange::Kept) SetList(resultsWindow(), report);
  for (const calc::RunMessage& message : report.messages) {
    ShowMessage(boxOwner, calc::MessageTitle(message), calc::MessageText(message));
  }
  if (report.outcome == calc::RunOutcome::Completed) BringUp(&resultsWindow());
}

}  // namespace ui
