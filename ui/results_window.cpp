#include "ui/results_window.h"

#include <QListWidget>
#include <QPushButton>

#include "ui/controls.h"
#include "ui/results_window_layout.h"

namespace ui {

namespace layout = results_window_layout;

// The title bar's close hides the window like KAPAT (a top-level widget is
// only hidden by close()); the rows stay until the next run replaces them.
ResultsWindow::ResultsWindow() {
  SetUpWindow(this, layout::kWindow);

  rows_ = MakeControl<QListWidget>(this, layout::kListRow);
  rows_->setSelectionMode(QAbstractItemView::SingleSelection);
  rows_->setUniformItemSizes(true);
  rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // Made after the list, which has the focus when the window is first shown.
  connect(MakeCommand(this, layout::kCloseButtonRow), &QPushButton::clicked, this, &QWidget::hide);
}

void ResultsWindow::clearRows() { rows_->clear(); }

void ResultsWindow::addRow(const QString& text) { rows_->addItem(text); }

}  // namespace ui
