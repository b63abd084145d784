#include "tests/ui/window_test.h"

#include "app/startup.h"

namespace ui_testing {
namespace {

// The program's setup, once, before the first test makes its windows.
class ApplicationSetUp final : public ::testing::Environment {
  void SetUp() override { app::SetUpApplication(); }
};
[[maybe_unused]] const auto* const kSetUp =
    ::testing::AddGlobalTestEnvironment(new ApplicationSetUp);

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
  boxes_ = std::make_unique<testing_support::BoxAnswerer>();
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
  for (const SeenBox& box : boxes_->take())
    ADD_FAILURE() << "unexpected " << box.text.toStdString();
  qApp->removeEventFilter(this);
  boxes_.reset();
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

std::vector<SeenBox> WindowTest::pressHesaplaForBoxes() {
  click("hesap");
  const std::vector<SeenBox> boxes = boxes_->take();
  for (const SeenBox& box : boxes) {
    EXPECT_TRUE(box.plainOk && box.owner == "Form1")
        << box.text.toStdString() << ": not a plain OK box over the main window";
  }
  return boxes;
}

SeenBox WindowTest::pressHesapla() {
  const std::vector<SeenBox> boxes = pressHesaplaForBoxes();
  if (boxes.size() != 1) ADD_FAILURE() << boxes.size() << " boxes from one run";
  return boxes.empty() ? SeenBox{} : boxes.front();
}

void WindowTest::openEveryReferenceWindow() {
  click("tablo");
  click("KAYNAK");
  QWidget* references = TopLevel("Form5");
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
