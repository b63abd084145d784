#pragma once
// The program's windows as a user meets them: windows and controls found by
// their names, every window opened, message boxes answered. For the window
// tests, the benchmarks and the screenshot tool.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

class QMessageBox;

namespace testing_support {

// The control of that object name inside `window`. None throws an exception
// that names both: a test stops there with that message, not on a null pointer.
template <class Control = QWidget>
Control* Find(const QWidget* window, const char* name) {
  if (auto* control = window ? window->findChild<Control*>(QString::fromLatin1(name)) : nullptr)
    return control;
  throw std::runtime_error(std::string("no control ") + name + " in " +
                           (window ? qPrintable(window->objectName()) : "a missing window"));
}

// The top-level window of that object name; null when there is none, or a
// second one.
QWidget* TopLevel(const char* name);

// Opens every window from the fresh main window, shown, as a user does:
// HESAPLA with the boxes empty (refused), then a 20 km run, which shows the
// results window; TABLO; KAYNAKLAR, which hides the main window; and the
// references' buttons to the three coefficient tables. The runs' two boxes
// are left to whoever answers boxes (BoxAnswerer).
void OpenEveryWindow(QWidget& mainWindow);

// The controls the window's layout names, Qt's own inner widgets left out.
QList<QWidget*> NamedControls(const QWidget& window);

// A message box as it stood when it was answered.
struct SeenBox {
  QString title;
  QString text;
  QString owner;                      // the object name of the window it stands over
  bool plainOk = false;               // modal, one OK button, no icon
  bool resultsWindowVisible = false;  // Form3 was up
};

// While it lives, answers every message box with OK from the box's own event
// loop, once the box is up: it notes the box, then hands it to `onShown`.
class BoxAnswerer final : public QObject {
 public:
  explicit BoxAnswerer(std::function<void(QMessageBox&)> onShown = {});
  ~BoxAnswerer() override;
  std::vector<SeenBox> take();  // the boxes answered since the last call

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(QMessageBox&)> onShown_;
  std::vector<SeenBox> seen_;
};

}  // namespace testing_support
