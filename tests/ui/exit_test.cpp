// BİTİR and the main window's title-bar close end the program at once.
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

struct ExitCase {
  const char* name;
  bool afterARun;
  bool byTitleBar;
};
void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.name; }

class ExitTest : public WindowTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTest, EndsTheEventLoopWithCodeZeroAndClosesNoWindowFirst) {
  const ExitCase& c = GetParam();
  if (c.afterARun) {
    type("1", "5", "50", "1");
    ASSERT_EQ(pressHesapla().size(), 1u);
  }

  // The program's own event loop; 99 if nothing ends it.
  QTimer::singleShot(0, &form1(), [&] {
    c.byTitleBar ? void(form1().close()) : form1().bitir->click();
  });
  QTimer::singleShot(5000, &form1(), [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QCoreApplication::exec(), 0);

  EXPECT_TRUE(form1().isVisible());
  EXPECT_EQ(form3() != nullptr && form3()->isVisible(), c.afterARun);
  EXPECT_EQ(QFile::exists(resultsPath()), c.afterARun);
}

INSTANTIATE_TEST_SUITE_P(
    BitirOrTitleBar, ExitTest,
    ::testing::Values(ExitCase{"BitirAtStart", false, false},
                      ExitCase{"BitirWithResultsShown", true, false},
                      ExitCase{"TitleBarCloseWithResultsShown", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui_testing
