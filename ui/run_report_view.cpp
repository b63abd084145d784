#include "ui/run_report_view.h"

#include <string>
#include <string_view>

#include <QLocale>
#include <QMessageBox>

#include "calc/results_format.h"
#include "ui/controls.h"
#include "ui/results_window.h"
#include "ui/utf8.h"

namespace ui {
namespace {

std::string_view TitleOf(calc::RunMessage::Kind kind) {
  switch (kind) {
    case calc::RunMessage::Kind::Completion: return "IS TAMAM";
    case calc::RunMessage::Kind::Refusal:
    case calc::RunMessage::Kind::Fault: break;
  }
  return "HATA";
}

// The header row, then each row with the user's decimal separator.
void SetList(ResultsWindow& results, const calc::RunReport& report) {
  results.clearRows();
  results.addRow(FromUtf8(calc::kListHeaderRow));
  const std::string separator = QLocale().decimalPoint().toStdString();
  for (const calc::ResultRow& row : report.rows) {
    results.addRow(FromUtf8(calc::ListRowText(row, separator)));
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

void ShowRunReport(const calc::RunReport& report, QWidget* boxOwner,
                   const std::function<ResultsWindow&()>& resultsWindow) {
  if (report.list != calc::ListChange::Kept) SetList(resultsWindow(), report);
  for (const calc::RunMessage& message : report.messages) {
    ShowMessage(boxOwner, TitleOf(message.kind), message.text);
  }
  if (report.outcome == calc::RunOutcome::Completed) BringUp(&resultsWindow());
}

}  // namespace ui
