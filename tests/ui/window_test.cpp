#include "tests/ui/window_test.h"

#include "app/startup.h"
#include "calc/user_messages.h"
#include "ui/utf8.h"

namespace ui_testing {
namespace {

// The program's setup, once, before the first test makes its windows.
class ApplicationSetUp final : public ::testing::Environment {
  void SetUp() override { app::SetUpApplication(); }
};
[[maybe_unused]] const auto* const kSetUp =
    ::testing::AddGlobalTestEnvironment(new ApplicationSetUp);

const char* const kBoxes[] = {"Mesafe", "Rzg", "Bc", "Em"};

}  // namespace

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
  if (boxes_) expectBoxes({});
  qApp->removeEventFilter(this);
  boxes_.reset();
  windows_.reset();
  QDir::setCurrent(previousDirectory_);
  workDir_.reset();
  QLocale::setDefault(previousLocale_);
}

void WindowTest::type(const QStringList& typed) {
  for (int i = 0; i < 4; ++i) mainControl<QLineEdit>(kBoxes[i])->setText(typed.value(i));
}

QStringList WindowTest::texts() {
  QStringList texts;
  for (const char* box : kBoxes) texts << mainControl<QLineEdit>(box)->text();
  return texts;
}

std::vector<SeenBox> WindowTest::expectBoxes(const Causes& causes) {
  std::vector<SeenBox> boxes = boxes_->take();
  QStringList seen;
  QStringList expected;
  for (const SeenBox& box : boxes) {
    const bool plain = box.plainOk && box.owner == "Form1";
    seen << box.title + ": " + box.text +
                (plain ? "" : " (not a plain OK box over the main window)");
  }
  for (const calc::RunMessage& cause : causes) {
    expected << ui::FromUtf8(calc::MessageTitle(cause)) + ": " +
                    ui::FromUtf8(calc::MessageText(cause));
  }
  EXPECT_EQ(seen, expected);
  return boxes;
}

std::vector<SeenBox> WindowTest::pressHesapla(const Causes& causes) {
  click("hesap");
  return expectBoxes(causes);
}

void WindowTest::openEveryWindow() {
  testing_support::OpenEveryWindow(mainWindow());
  expectBoxes({calc::RefusedField{calc::InputField::Distance}, kCompleted});
}

void WindowTest::expectCloseOnlyHides(QWidget* window, const char* closeButton,
                                      const std::function<void()>& reopen) {
  const QString name = window->objectName();
  const QPointer<QWidget> kept = window;
  takeWindowLog();
  for (const bool byTitleBar : {false, true}) {
    SCOPED_TRACE(byTitleBar ? "the title bar's close" : closeButton);
    byTitleBar ? void(window->close()) : Find<QPushButton>(window, closeButton)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    reopen();
    ASSERT_TRUE(kept && TopLevel(qPrintable(name)) == window) << "not the same window";
  }
  EXPECT_EQ(takeWindowLog(), QStringList({"-" + name, "+" + name, "-" + name, "+" + name}));
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
