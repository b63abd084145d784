#include "tests/ui/message_box_answerer.h"

#include <utility>

#include <QAbstractButton>
#include <QApplication>

namespace ui_testing {

std::ostream& operator<<(std::ostream& os, const SeenBox& box) {
  return os << "box \"" << box.title.toStdString() << "\": \"" << box.text.toStdString() << '"';
}

MessageBoxAnswerer::MessageBoxAnswerer(std::function<bool()> resultsWindowVisible)
    : resultsWindowVisible_(std::move(resultsWindowVisible)) {
  // Boxes run their own event loop, in which this timer keeps firing.
  timer_.setInterval(2);
  connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
  timer_.start();
}

std::vector<SeenBox> MessageBoxAnswerer::take() { return std::exchange(seen_, {}); }

void MessageBoxAnswerer::poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || box == lastAnswered_ || !box->isVisible()) return;
  lastAnswered_ = box;

  QAbstractButton* ok = box->button(QMessageBox::Ok);
  seen_.push_back({box->windowTitle(), box->text(), box->icon(), box->buttons().size(),
                   ok != nullptr, box->windowModality(), resultsWindowVisible_()});
  if (ok) {
    ok->click();
  } else {
    box->done(0);  // never leave a test hanging on a box it cannot answer
  }
}

}  // namespace ui_testing

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
