#include "ui/results_window.h"

#include <QListWidget>
#include <QPushButton>

#include "ui/layout_row.h"
#include "ui/window_setup.h"

namespace ui {
namespace {

// Titled "Form3", with its bare name rather than a caption: intended.
inline constexpr WindowLayout kWindow{"Form3", "Form3", {5835, 7200}};

// clang-format off
inline constexpr LayoutRow kRowList{"List1", "",          { 360,  360, 4935, 5910}};
inline constexpr LayoutRow kCloseButton{"kapat", "KAPAT", {1800, 6480, 2055,  375}};
// clang-format on

}  // namespace

// The title bar's close hides the window like KAPAT (a top-level widget is
// only hidden by close()); the rows stay until the next run replaces them.
ResultsWindow::ResultsWindow() {
  SetUpWindow(this, kWindow);

  rows_ = MakeControl<QListWidget>(this, kRowList);
  rows_->setSelectionMode(QAbstractItemView::SingleSelection);
  rows_->setUniformItemSizes(true);
  rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* closeButton = MakeControl<QPushButton>(this, kCloseButton);
  closeButton->setAutoDefault(false);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void ResultsWindow::clearRows() { rows_->clear(); }

void ResultsWindow::addRow(const QString& text) { rows_->addItem(text); }

}  // namespace ui
