// HESAPLA end to end through the windows: the list, the file, the boxes and
// the results window.
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QTest>

#include "calc/arithmetic_fault.h"
#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

const QByteArray kFileHeader = "\"X\",\"Y\",\"Disp\"\r\n";
const QString kListHeader = "X\tY\tDisp";

// The list row that shows a file line: distance and offset after a blank,
// tab-separated, the value with the given decimal separator.
QString ListRowOf(const QByteArray& fileLine, QChar separator) {
  const QList<QByteArray> fields = fileLine.split(',');
  if (fields.size() != 3) return QStringLiteral("<bad line %1>").arg(QString::fromLatin1(fileLine));
  QString value = QString::fromLatin1(fields[2]);
  value.replace(QLatin1Char('.'), separator);
  return QStringLiteral(" %1\t %2\t%3")
      .arg(QString::fromLatin1(fields[0]), QString::fromLatin1(fields[1]), value);
}

// Data lines of the results file, without their CR LF (which each must have).
QList<QByteArray> DataLines(QByteArray bytes) {
  EXPECT_TRUE(bytes.startsWith(kFileHeader));
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  bytes.remove(0, kFileHeader.size());
  QList<QByteArray> lines = bytes.split('\n');
  lines.removeLast();  // after the final line end
  for (QByteArray& line : lines) {
    EXPECT_TRUE(line.endsWith('\r'));
    line.chop(1);
  }
  return lines;
}

void ExpectListShowsFile(const QStringList& rows, const QByteArray& file, QChar separator) {
  const QList<QByteArray> lines = DataLines(file);
  ASSERT_EQ(rows.size(), lines.size() + 1);
  EXPECT_EQ(rows.front(), kListHeader);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    ASSERT_EQ(rows[i + 1], ListRowOf(lines[i], separator)) << "row " << i + 1;
  }
}

using RunTest = WindowTest;

TEST_F(RunTest, TwentyKilometresFillsFileAndListThenShowsTheResultsAfterTheBox) {
  type("20", "5", "50", "1");
  form1().atmd->setChecked(true);
  pressHesapla();

  const auto boxes = takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], CompletionBox());
  EXPECT_FALSE(boxes[0].resultsWindowVisible) << "shown before the box was dismissed";

  ASSERT_NE(form3(), nullptr);
  EXPECT_TRUE(form3()->isVisible());
  EXPECT_TRUE(form3()->isWindow());
  EXPECT_EQ(form3()->parentWidget(), nullptr);
  EXPECT_EQ(form3()->windowTitle(), "Form3");
  EXPECT_TRUE(form1().isVisible());

  const QStringList rows = listRows();
  EXPECT_EQ(rows.size(), 1195);
  EXPECT_TRUE(rows.last().startsWith(" 19900\t 500\t")) << rows.last().toStdString();
  ExpectListShowsFile(rows, resultsBytes(), QLatin1Char('.'));

  // The run changed nothing on the main window.
  EXPECT_EQ(form1().inputTexts().mesafe, "20");
  EXPECT_EQ(form1().inputTexts().em, "1");
  EXPECT_TRUE(form1().atmd->isChecked());
  EXPECT_TRUE(form1().kent->isChecked());
}

TEST_F(RunTest, SecondRunReplacesTheRowsAndBringsTheVisibleWindowToTheFront) {
  type("20", "5", "50", "1");
  pressHesapla();
  ExpectBox(takeBoxes().at(0), CompletionBox());
  ui::Form3* first = form3();
  form1().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));

  type("0.1", "2", "30", "0.5");
  form1().kir->setChecked(true);
  form1().atmf->setChecked(true);
  pressHesapla();
  const auto boxes = takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].resultsWindowVisible);

  EXPECT_EQ(form3(), first);  // one results window for the whole program
  const QStringList rows = listRows();
  ASSERT_EQ(rows.size(), 7);
  for (int i = 1; i < 7; ++i) {
    EXPECT_TRUE(rows[i].startsWith(QStringLiteral(" 100\t %1\t").arg((i - 1) * 100)))
        << rows[i].toStdString();
  }
  ExpectListShowsFile(rows, resultsBytes(), QLatin1Char('.'));
  EXPECT_TRUE(QTest::qWaitForWindowActive(form3()));
}

TEST_F(RunTest, RefusalWhileTheResultsAreShownLeavesOnlyTheHeaderRow) {
  type("1", "5", "50", "1");
  pressHesapla();
  takeBoxes();
  ASSERT_EQ(listRows().size(), 61);

  form1().Mesafe->setText("25");
  pressHesapla();
  const auto boxes = takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], RefusalBox("Max. Uzaklik Degerine DIKKAT!!!"));

  EXPECT_TRUE(form3()->isVisible());
  EXPECT_EQ(listRows(), QStringList{kListHeader});
  EXPECT_EQ(resultsBytes(), kFileHeader);
}

// KAPAT and the title bar's close both only hide the window; the rows stay
// until the next completed run, which brings the window back.
class HideResultsTest : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(HideResultsTest, HidesWithTheRowsAndTheNextRunBringsItBack) {
  const bool byTitleBar = GetParam();
  type("1", "5", "50", "1");
  pressHesapla();
  takeBoxes();
  ui::Form3* results = form3();
  ASSERT_TRUE(results->isVisible());

  if (byTitleBar) {
    results->close();
  } else {
    results->kapat->click();
  }
  EXPECT_FALSE(results->isVisible());
  EXPECT_TRUE(form1().isVisible());
  EXPECT_EQ(listRows().size(), 61);

  form1().Mesafe->setText("0.1");
  pressHesapla();
  takeBoxes();
  EXPECT_EQ(form3(), results);
  EXPECT_TRUE(results->isVisible());
  EXPECT_EQ(listRows().size(), 7);
}

INSTANTIATE_TEST_SUITE_P(KapatOrTitleBar, HideResultsTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "TitleBar" : "Kapat"; });

TEST_F(RunTest, ListUsesTheTurkishDecimalCommaWhileTheFileKeepsThePoint) {
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  type("0.3", "5", "50", "1");
  pressHesapla();
  takeBoxes();

  const QByteArray file = resultsBytes();
  EXPECT_TRUE(file.contains('.'));
  ExpectListShowsFile(listRows(), file, QLatin1Char(','));
  EXPECT_TRUE(listRows().at(1).contains(QLatin1Char(','))) << listRows().at(1).toStdString();
}

// A fault stops the run with its own box: no completion box, no results
// window; the program stays and the next run works.
struct FaultCase {
  const char* name;
  QString emission;
  bool fileIsADirectory;
  std::string reportNames;  // a fragment the report must contain
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }


class FaultTest : public WindowTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, ReportsTheFaultAndTheNextRunWorks) {
  const FaultCase& c = GetParam();
  if (c.fileIsADirectory) {
    ASSERT_TRUE(QDir().mkdir("yelduman.txt"));
  }
  type("2", "5", "50", c.emission);
  pressHesapla();

  const auto boxes = takeBoxes();
  ASSERT_EQ(boxes.size(), 1u) << "a fault gives its own box and nothing else";
  EXPECT_EQ(boxes[0].title, "HATA");
  EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString(c.reportNames))) << boxes[0];
  EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(boxes[0].buttons, 1);
  EXPECT_TRUE(form3() == nullptr || !form3()->isVisible());
  EXPECT_TRUE(form1().isVisible());

  if (c.fileIsADirectory) {
    ASSERT_TRUE(QDir().rmdir("yelduman.txt"));
  }
  form1().Em->setText("1");
  pressHesapla();
  const auto next = takeBoxes();
  ASSERT_EQ(next.size(), 1u);
  ExpectBox(next[0], CompletionBox());
  EXPECT_EQ(listRows().size(), 115);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultTest,
    ::testing::Values(
        FaultCase{"ResultsFileIsADirectory", "1", true, "yelduman.txt"},
        FaultCase{"EmissionOverflows", "1e36", false,
                  std::string(calc::FaultName(calc::ArithmeticFault::Overflow))}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui_testing
