#pragma once
// Answers the modal message boxes of a test as a user would, and keeps a
// record of each one for the test to check.
#include <functional>
#include <ostream>
#include <vector>

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

namespace ui_testing {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QAbstractButton*>::size_type buttons = 0;
  bool hasOk = false;
  Qt::WindowModality modality = Qt::NonModal;
  bool resultsWindowVisible = false;  // at the moment the box appeared
};

std::ostream& operator<<(std::ostream& os, const SeenBox& box);

class MessageBoxAnswerer : public QObject {
 public:
  // `resultsWindowVisible` is asked when a box appears.
  explicit MessageBoxAnswerer(std::function<bool()> resultsWindowVisible);

  // The boxes seen since the last call, oldest first.
  std::vector<SeenBox> take();
  bool empty() const { return seen_.empty(); }

 private:
  void poll();

  std::function<bool()> resultsWindowVisible_;
  QTimer timer_;
  QPointer<QMessageBox> lastAnswered_;
  std::vector<SeenBox> seen_;
};

}  // namespace ui_testing

// So that failing expectations print Qt strings readably.
void PrintTo(const QString& text, std::ostream* os);
