// The main window: start state, keyboard, what HESAPLA makes of every kind
// of text, and the end of the program.
#include <functional>

#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

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

// Each box reaches the run as typed: its refusal names it, and strange texts
// (a megabyte, NUL, control characters, a lone surrogate, direction marks)
// are refused or read by the one rule.
struct TextCase {
  const char* name;
  QStringList texts;  // Mesafe, Rzg, Bc, Em
  QString message;    // of the run's one box
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class MainWindowTextTest : public WindowTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(MainWindowTextTest, GetsItsOneBoxAndKeepsTextsSelectionsAndFocus) {
  const TextCase& c = GetParam();
  type(c.texts);
  mainControl<QLineEdit>("Bc")->setFocus();
  select("atmc");

  const bool refused = c.message != kCompletionText;
  ExpectBox(pressHesapla(), refused ? "HATA" : "IS TAMAM", c.message);
  EXPECT_EQ(mainWindow().focusWidget(), mainControl<QLineEdit>("Bc"));
  EXPECT_EQ(texts(), c.texts);
  EXPECT_EQ(mainWindow().stabilityClass(), calc::StabilityClass::C);
  EXPECT_EQ(mainWindow().areaType(), calc::AreaType::Urban);
  if (refused) {  // the list got as far as the header; the results stay hidden
    EXPECT_EQ(listRows(), QStringList{"X\tY\tDisp"});
    EXPECT_FALSE(resultsWindow()->isVisible());
  }
}

const QString kDistance = "Max. Uzaklik Degerine DIKKAT!!!";
const QString kWind = "Rüzgar Degerine DIKKAT!!!";
const QString kStack = "Baca Yükseklik Degerine DIKKAT!!!";
const QString kEmission = "Emisyon Çikis Degerine DIKKAT!!!";
const QString kMegabyteOfBlanks(1 << 20, ' ');

// clang-format off
INSTANTIATE_TEST_SUITE_P(EachText, MainWindowTextTest, ::testing::Values(
    TextCase{"AllEmpty",           {"", "", "", ""},            kDistance},
    TextCase{"WindEmpty",          {"20", "", "50", "1"},       kWind},
    TextCase{"StackZero",          {"20", "5", "0", "1"},       kStack},
    TextCase{"EmissionLetters",    {"20", "5", "50", "abc"},    kEmission},
    TextCase{"MegabyteOfBlanks",   {kMegabyteOfBlanks + "0." + kMegabyteOfBlanks + "2", "5", "50", "1"}, kCompletionText},
    TextCase{"NulEndsTheNumber",   {"1", "5" + QString(QChar(0)) + "0", "50", "1"}, kCompletionText},
    TextCase{"ControlCharacter",   {"1", "5", QChar(1) + QString("50"), "1"}, kStack},
    TextCase{"LoneSurrogate",      {"1", QChar(0xD800) + QString("5"), "50", "1"}, kWind},
    TextCase{"RightToLeftMark",    {"1", "5", QChar(0x200F) + QString("50"), "1"}, kStack},
    TextCase{"NoBreakSpace",       {"1", "5", "50", QChar(0xA0) + QString("1")}, kEmission}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// BİTİR and the main window's title-bar close end the program at once with
// code 0, whichever windows are open, and no window closes on the way out.
TEST_F(MainWindowTest, BitirOrTitleBarEndsTheEventLoopWithCodeZeroAndClosesNoWindowFirst) {
  const auto endBy = [this](const std::function<void()>& command) {
    takeWindowLog();
    QTimer deadline;  // the program's own event loop; 99 if nothing ends it
    QObject::connect(&deadline, &QTimer::timeout, &deadline, [] { QCoreApplication::exit(99); });
    deadline.start(5000);
    QTimer::singleShot(0, &mainWindow(), command);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(takeWindowLog(), QStringList{}) << "windows hidden on the way out";
  };
  endBy([this] { click("bitir"); });
  EXPECT_FALSE(QFile::exists("yelduman.txt"));

  type({"1", "5", "50", "1"});
  ExpectBox(pressHesapla(), "IS TAMAM", kCompletionText);
  openEveryReferenceWindow();  // and the results window
  endBy([this] { click("bitir"); });
  endBy([this] { mainWindow().close(); });
}

}  // namespace
}  // namespace ui_testing
