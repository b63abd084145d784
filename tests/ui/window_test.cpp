#include "tests/ui/window_test.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace ui_testing {

QWidget* TopLevel(const char* name) {
  QWidgetList found;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String(name)) found << w;
  }
  EXPECT_LE(found.size(), 1) << name;
  return found.value(0);
}

void ExpectBox(const SeenBox& seen, const QString& title, const QString& text) {
  EXPECT_EQ(seen.title, title);
  EXPECT_EQ(seen.text, text);
}

void WindowTest::SetUp() {
  previousDirectory_ = QDir::currentPath();
  previousLocale_ = QLocale();
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  workDir_ = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(workDir_->isValid());
  ASSERT_TRUE(QDir::setCurrent(workDir_->path()));

  windows_ = std::make_unique<ui::AppWindows>();
  // A box runs its own event loop, in which this timer keeps firing.
  QObject::connect(&boxWatch_, &QTimer::timeout, &boxWatch_, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == lastBox_ || !box->isVisible()) return;
    lastBox_ = box;
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    const bool resultsShown = resultsWindow() && resultsWindow()->isVisible();
    boxes_.push_back({box->windowTitle(), box->text(), resultsShown});
    EXPECT_TRUE(ok && box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1 &&
                box->isModal() && box->parentWidget() == &mainWindow())
        << box->text().toStdString() << ": not a plain OK box over the main window";
    ok ? ok->click() : box->done(0);  // never hang on a box that cannot be answered
  });
  boxWatch_.start(2);
  mainWindow().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
  qApp->installEventFilter(this);
}

bool WindowTest::eventFilter(QObject* watched, QEvent* event) {
  const bool shown = event->type() == QEvent::Show;
  auto* window = qobject_cast<QWidget*>(watched);
  if ((shown || event->type() == QEvent::Hide) && !event->spontaneous() && window &&
      window->isWindow() && window->objectName().startsWith("Form")) {
    windowLog_ << (shown ? "+" : "-") + window->objectName();
  }
  return false;
}

void WindowTest::TearDown() {
  for (const SeenBox& box : boxes_) ADD_FAILURE() << "unexpected " << box.text.toStdString();
  qApp->removeEventFilter(this);
  boxWatch_.stop();
  windows_.reset();
  QDir::setCurrent(previousDirectory_);
  workDir_.reset();
  QLocale::setDefault(previousLocale_);
}

const char* const kBoxes[] = {"Mesafe", "Rzg", "Bc", "Em"};

void WindowTest::type(const QStringList& typed) {
  for (int i = 0; i < 4; ++i) mainControl<QLineEdit>(kBoxes[i])->setText(typed.value(i));
}

QStringList WindowTest::texts() {
  QStringList texts;
  for (const char* box : kBoxes) texts << mainControl<QLineEdit>(box)->text();
  return texts;
}

SeenBox WindowTest::pressHesapla() {
  click("hesap");
  const std::vector<SeenBox> boxes = std::exchange(boxes_, {});
  if (boxes.size() != 1) ADD_FAILURE() << boxes.size() << " boxes from one run";
  return boxes.empty() ? SeenBox{} : boxes.front();
}

void WindowTest::openEveryReferenceWindow() {
  click("tablo");
  click("KAYNAK");
  QWidget* references = windows().referencesWindowIfCreated();
  for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
    Find<QPushButton>(references, button)->click();
  }
}

QStringList WindowTest::listRows() {
  QStringList rows;
  if (resultsWindow() == nullptr) return rows;
  const auto* list = Find<QListWidget>(resultsWindow(), "List1");
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

}  // namespace ui_testing

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
