#include "tests/ui/window_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace ui_testing {
namespace {

// Adds "+Name" or "-Name" to the log as a program window is shown or hidden.
class WindowWatch final : public QObject {
 public:
  explicit WindowWatch(QStringList& log) : log_(log) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool shown = event->type() == QEvent::Show;
    auto* window = qobject_cast<QWidget*>(watched);
    if ((shown || event->type() == QEvent::Hide) && !event->spontaneous() && window &&
        window->isWindow() && window->objectName().startsWith("Form")) {
      log_ << (shown ? "+" : "-") + window->objectName();
    }
    return false;
  }

 private:
  QStringList& log_;
};

}  // namespace

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
                box->isModal()) << box->text().toStdString() << ": not a plain OK box";
    ok ? ok->click() : box->done(0);  // never hang on a box that cannot be answered
  });
  boxWatch_.start(2);
  mainWindow().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
  windowWatch_ = std::make_unique<WindowWatch>(windowLog_);
  qApp->installEventFilter(windowWatch_.get());
}

void WindowTest::TearDown() {
  for (const SeenBox& box : boxes_) ADD_FAILURE() << "unexpected " << box.text.toStdString();
  windowWatch_.reset();
  boxWatch_.stop();
  windows_.reset();
  QDir::setCurrent(previousDirectory_);
  workDir_.reset();
  QLocale::setDefault(previousLocale_);
}

std::array<QLineEdit*, 4> WindowTest::boxes() {
  return {mainControl<QLineEdit>("Mesafe"), mainControl<QLineEdit>("Rzg"),
          mainControl<QLineEdit>("Bc"), mainControl<QLineEdit>("Em")};
}

void WindowTest::click(const char* button) { mainControl<QPushButton>(button)->click(); }

void WindowTest::select(const char* option) { mainControl<QRadioButton>(option)->setChecked(true); }

void WindowTest::type(const QStringList& typed) {
  for (int i = 0; i < 4; ++i) boxes()[i]->setText(typed.value(i));
}

QStringList WindowTest::texts() {
  QStringList texts;
  for (QLineEdit* box : boxes()) texts << box->text();
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

QByteArray WindowTest::resultsBytes() const {
  QFile file("yelduman.txt");
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
