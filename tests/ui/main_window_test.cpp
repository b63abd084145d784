// The main window: start state, keyboard, what HESAPLA makes of every kind
// of text, and the end of the program.
#include <functional>

#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

using enum calc::InputField;
using calc::RefusedField;
using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, StartsAloneWithClassAUrbanAndEmptyBoxes) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    EXPECT_EQ(w->isVisible(), w == &mainWindow()) << w->objectName().toStdString();
  }
  EXPECT_EQ(mainWindow().stabilityClass(), calc::StabilityClass::A);
  EXPECT_EQ(mainWindow().areaType(), calc::AreaType::Urban);
  EXPECT_EQ(texts(), QStringList({"", "", "", ""}));
  EXPECT_EQ(resultsWindow(), nullptr);

  // No default or cancel button: Enter or Escape in a box starts nothing.
  for (QLineEdit* box : mainWindow().findChildren<QLineEdit*>()) {
    box->setFocus();
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(box, key);
  }
  EXPECT_FALSE(QFile::exists("yelduman.txt"));
}

const QString kMegabyteOfBlanks(1 << 20, ' ');

// Each box reaches the run as typed: its refusal names it, and strange texts
// (a megabyte, NUL, control characters, a lone surrogate, direction marks)
// are refused or read by the one rule. Each run shows its one box and keeps
// texts, selections and focus; a refusal sets the list to the header alone.
TEST_F(MainWindowTest, EachTextGetsItsOneBoxAndKeepsTextsSelectionsAndFocus) {
  // clang-format off
  const struct { QStringList texts; calc::RunMessage box; } cases[] = {  // Mesafe, Rzg, Bc, Em
      {{"", "", "", ""},            RefusedField{Distance}},
      {{"20", "", "50", "1"},       RefusedField{WindSpeed}},
      {{"20", "5", "0", "1"},       RefusedField{StackHeight}},
      {{"20", "5", "50", "abc"},    RefusedField{EmissionRate}},
      {{"1", "5", QChar(1) + QString("50"), "1"}, RefusedField{StackHeight}},
      {{"1", QChar(0xD800) + QString("5"), "50", "1"}, RefusedField{WindSpeed}},
      {{"1", "5", QChar(0x200F) + QString("50"), "1"}, RefusedField{StackHeight}},
      {{"1", "5", "50", QChar(0xA0) + QString("1")}, RefusedField{EmissionRate}},
      // Completions last: a refusal leaves shown results up.
      {{kMegabyteOfBlanks + "0." + kMegabyteOfBlanks + "2", "5", "50", "1"}, kCompleted},
      {{"1", "5" + QString(QChar(0)) + "0", "50", "1"}, kCompleted},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.texts.join('|').left(40).toStdString());
    type(c.texts);
    mainControl<QLineEdit>("Bc")->setFocus();
    select("atmc");
    pressHesapla({c.box});
    EXPECT_EQ(mainWindow().focusWidget(), mainControl<QLineEdit>("Bc"));
    EXPECT_EQ(texts(), c.texts);
    EXPECT_EQ(mainWindow().stabilityClass(), calc::StabilityClass::C);
    EXPECT_EQ(mainWindow().areaType(), calc::AreaType::Urban);
    if (c.box != kCompleted) {  // the list got as far as the header; the results stay hidden
      EXPECT_EQ(listRows(), QStringList{"X\tY\tDisp"});
      EXPECT_FALSE(resultsWindow()->isVisible());
    }
  }
}

// Whichever windows are open.
TEST_F(MainWindowTest, BitirOrTitleBarEndsTheEventLoopWithCodeZeroAndClosesNoWindowFirst) {
  QPushButton* bitir = mainControl<QPushButton>("bitir");  // found here, not in the event loop
  const auto endBy = [this](const std::function<void()>& command) {
    takeWindowLog();
    QTimer deadline;  // the program's own event loop; 99 if nothing ends it
    QObject::connect(&deadline, &QTimer::timeout, &deadline, [] { QCoreApplication::exit(99); });
    deadline.start(5000);
    QTimer::singleShot(0, &mainWindow(), command);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(takeWindowLog(), QStringList{}) << "windows hidden on the way out";
  };
  endBy([bitir] { bitir->click(); });
  EXPECT_FALSE(QFile::exists("yelduman.txt"));

  openEveryWindow();
  Find<QPushButton>(TopLevel("Form5"), "Command4")->click();  // the main window back
  endBy([bitir] { bitir->click(); });
  endBy([this] { mainWindow().close(); });
}

}  // namespace
}  // namespace ui_testing
