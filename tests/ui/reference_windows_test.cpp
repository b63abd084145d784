// The reference windows: how they are reached and left, and that they leave
// the main window's work alone.

#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

struct TableCase {
  const char* name;
  const char* opener;  // a button of the references window; null: TABLO on the main window
  const char* closeButton;
};
void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class ReferenceWindowTest : public WindowTest, public ::testing::WithParamInterface<TableCase> {};

// Each table is opened beside the window that opens it, comes back as the
// same window, outlives the references window, and leaves the main window's
// inputs and selections as they were.
TEST_P(ReferenceWindowTest, OneWindowInFrontHiddenByItsButtonOrTitleBarLeavingTheInputsAlone) {
  const TableCase& c = GetParam();
  const QString name = QString::fromLatin1(c.name);
  type({"1", "5", "50", "1"});
  select("atmc");
  select("kir");

  QWidget* opener = &mainWindow();
  if (c.opener != nullptr) {
    click("KAYNAK");
    opener = TopLevel("Form5");
    ASSERT_TRUE(QTest::qWaitForWindowActive(opener));
    EXPECT_EQ(takeWindowLog(), QStringList({"-Form1", "+Form5"}));
  }
  QWidget* references = TopLevel("Form5");
  const auto open = [&] {
    c.opener ? Find<QPushButton>(references, c.opener)->click() : click("tablo");
  };
  EXPECT_EQ(TopLevel(c.name), nullptr);
  open();
  QWidget* table = TopLevel(c.name);
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(table));

  // A second press with the opener in front: the same window, in front again.
  opener->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(opener));
  open();
  ASSERT_EQ(TopLevel(c.name), table);
  EXPECT_TRUE(QTest::qWaitForWindowActive(table));

  EXPECT_EQ(takeWindowLog(), QStringList{"+" + name});
  expectCloseOnlyHides(table, c.closeButton, open);

  // K A P A T and the references' title bar bring the main window back
  // first, then hide the references; the table stays open.
  if (references != nullptr) {
    Find<QPushButton>(references, "Command4")->click();
    click("KAYNAK");
    EXPECT_EQ(TopLevel("Form5"), references);
    references->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(takeWindowLog(),
              QStringList({"+Form1", "-Form5", "-Form1", "+Form5", "+Form1", "-Form5"}));
  }
  EXPECT_EQ(texts(), QStringList({"1", "5", "50", "1"}));
  EXPECT_EQ(mainWindow().stabilityClass(), calc::StabilityClass::C);
  EXPECT_EQ(mainWindow().areaType(), calc::AreaType::Rural);
}

INSTANTIATE_TEST_SUITE_P(EachTable, ReferenceWindowTest,
                         ::testing::Values(TableCase{"Form2", nullptr, "kapat"},
                                           TableCase{"Form6", "Command1", "Command1"},
                                           TableCase{"Form7", "Command2", "Command1"},
                                           TableCase{"Form4", "Command3", "Command1"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui_testing
