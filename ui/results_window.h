#pragma once
// The results window: the rows of the last run and a close button.
#include <QWidget>

class QListWidget;

namespace ui {

class ResultsWindow final : public QWidget {
  Q_OBJECT

 public:
  ResultsWindow();

  // The list keeps its rows until the next run empties it.
  void clearRows();
  void addRow(const QString& text);

 private:
  QListWidget* rows_;
};

}  // namespace ui
