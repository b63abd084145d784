// BİTİR and the main window's title-bar close end the program at once.
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

// Runs the program's event loop, does `action` inside it, and returns the
// code the loop ended with (99 if nothing ended it).
template <class Action>
int ExitCodeAfter(QObject* context, Action action) {
  QTimer::singleShot(0, context, action);
  QTimer::singleShot(5000, context, [] { QCoreApplication::exit(99); });
  return QCoreApplication::exec();
}

struct ExitCase {
  const char* name;
  bool afterARun;
  bool byTitleBar;
};
void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.name; }


class ExitTest : public WindowTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTest, EndsWithCodeZeroAndNoWindowIsClosedFirst) {
  const ExitCase& c = GetParam();
  if (c.afterARun) {
    type("1", "5", "50", "1");
    pressHesapla();
    takeBoxes();
    ASSERT_TRUE(form3()->isVisible());
  }

  const int code = ExitCodeAfter(&form1(), [&] {
    if (c.byTitleBar) {
      form1().close();
    } else {
      form1().bitir->click();
    }
  });

  EXPECT_EQ(code, 0);
  // Ending is immediate: no window went through a close of its own.
  EXPECT_TRUE(form1().isVisible());
  if (c.afterARun) {
    EXPECT_TRUE(form3()->isVisible());
  } else {
    EXPECT_EQ(form3(), nullptr);
    EXPECT_FALSE(QFile::exists(resultsPath()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    BitirOrTitleBar, ExitTest,
    ::testing::Values(ExitCase{"BitirAtStart", false, false},
                      ExitCase{"BitirWithResultsShown", true, false},
                      ExitCase{"TitleBarCloseWithResultsShown", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui_testing
