#include "testing/windows.h"

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace testing_support {

QWidget* TopLevel(const char* name) {
  QWidget* found = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() != QLatin1String(name)) continue;
    if (found != nullptr) return nullptr;
    found = w;
  }
  return found;
}

void OpenEveryWindow(QWidget& mainWindow) {
  Find<QPushButton>(&mainWindow, "hesap")->click();
  const char* const texts[][2] = {{"Mesafe", "20"}, {"Rzg", "5"}, {"Bc", "50"}, {"Em", "1"}};
  for (const auto& [box, text] : texts) Find<QLineEdit>(&mainWindow, box)->setText(text);
  for (const char* button : {"hesap", "tablo", "KAYNAK"}) {
    Find<QPushButton>(&mainWindow, button)->click();
  }
  for (const char* opener : {"Command1", "Command2", "Command3"}) {
    Find<QPushButton>(TopLevel("Form5"), opener)->click();
  }
}

QList<QWidget*> NamedControls(const QWidget& window) {
  return window.findChildren<QWidget*>(QRegularExpression("^(?!qt_).+"));
}

BoxAnswerer::BoxAnswerer(std::function<void(QMessageBox&)> onShown) : onShown_(std::move(onShown)) {
  qApp->installEventFilter(this);
}

BoxAnswerer::~BoxAnswerer() { qApp->removeEventFilter(this); }

std::vector<SeenBox> BoxAnswerer::take() { return std::exchange(seen_, {}); }

bool BoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QMessageBox*>(watched);
  if (box == nullptr || event->type() != QEvent::Show || box->property("answered").toBool()) {
    return false;
  }
  box->setProperty("answered", true);
  QMetaObject::invokeMethod(
      box,
      [this, box] {
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        const QWidget* owner = box->parentWidget();
        const QWidget* results = TopLevel("Form3");
        seen_.push_back({box->windowTitle(), box->text(), owner ? owner->objectName() : QString(),
                         ok && box->buttons().size() == 1 && box->icon() == QMessageBox::NoIcon &&
                             box->isModal(),
                         results && results->isVisible()});
        if (onShown_) onShown_(*box);
        ok ? ok->click() : box->done(0);  // never hang on a box that cannot be answered
      },
      Qt::QueuedConnection);
  return false;
}

}  // namespace testing_support
