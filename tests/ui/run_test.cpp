// HESAPLA end to end through the windows: the file, the list, the boxes and
// the results window.
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "calc/arithmetic_fault.h"
#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

const QByteArray kFileHeader = "\"X\",\"Y\",\"Disp\"\r\n";
const QString kListHeader = "X\tY\tDisp";

// The list must show the file's points in the file's order: each line
// "d,o,v" CR LF as " d", tab, " o", tab, v with the locale's separator.
void ExpectListShowsFile(const QStringList& rows, QByteArray file, QChar separator) {
  ASSERT_TRUE(file.startsWith(kFileHeader) && file.endsWith("\r\n"));
  QList<QByteArray> lines = file.mid(kFileHeader.size()).split('\n');
  lines.removeLast();
  ASSERT_EQ(rows.size(), lines.size() + 1);
  EXPECT_EQ(rows.front(), kListHeader);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QList<QByteArray> f = lines[i].chopped(1).split(',');
    ASSERT_EQ(f.size(), 3) << lines[i].toStdString();
    const QString value = QString::fromLatin1(f[2]).replace('.', separator);
    ASSERT_EQ(rows[i + 1], QString(" %1\t %2\t%3").arg(f[0], f[1], value)) << "row " << i + 1;
  }
}

using RunTest = WindowTest;

TEST_F(RunTest, TwentyKilometresFillsFileAndListAndShowsTheResultsAfterTheBox) {
  type("20", "5", "50", "1");
  form1().atmd->setChecked(true);
  const auto boxes = pressHesapla();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], "IS TAMAM", kCompletionText);
  EXPECT_FALSE(boxes[0].resultsWindowVisible) << "shown before the box was dismissed";

  ASSERT_TRUE(form3()->isVisible());
  EXPECT_EQ(form3()->parentWidget(), nullptr);
  EXPECT_EQ(form3()->windowTitle(), "Form3");
  EXPECT_TRUE(form1().isVisible());
  const QStringList rows = listRows();
  EXPECT_EQ(rows.size(), 1195);
  EXPECT_TRUE(rows.last().startsWith(" 19900\t 500\t")) << rows.last().toStdString();
  ExpectListShowsFile(rows, resultsBytes(), '.');

  // The run changed nothing on the main window.
  EXPECT_EQ(form1().Mesafe->text(), "20");
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::D);
  EXPECT_EQ(form1().areaType(), calc::AreaType::Urban);
}

TEST_F(RunTest, ResultsWindowKeepsTheLastRunsRowsAndComesBackWithEveryCompletedRun) {
  type("1", "5", "50", "1");
  ASSERT_EQ(pressHesapla().size(), 1u);
  ui::Form3* results = form3();
  ASSERT_EQ(listRows().size(), 61);

  // A refusal while it is shown empties it down to the header row.
  form1().Mesafe->setText("25");
  ASSERT_EQ(pressHesapla().size(), 1u);
  EXPECT_TRUE(results->isVisible());
  EXPECT_EQ(listRows(), QStringList{kListHeader});

  // The next run replaces the rows and brings the visible window forward.
  form1().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
  form1().Mesafe->setText("0.1");
  form1().kir->setChecked(true);
  ASSERT_EQ(pressHesapla().size(), 1u);
  EXPECT_TRUE(QTest::qWaitForWindowActive(results));
  EXPECT_EQ(listRows().size(), 7);
  ExpectListShowsFile(listRows(), resultsBytes(), '.');

  // KAPAT and the title bar's close only hide it, with its rows; the next
  // completed run shows the same window again.
  for (const bool byTitleBar : {false, true}) {
    byTitleBar ? void(results->close()) : results->kapat->click();
    EXPECT_FALSE(results->isVisible());
    EXPECT_EQ(listRows().size(), 7);
    ASSERT_EQ(pressHesapla().size(), 1u);
    EXPECT_EQ(form3(), results);
    EXPECT_TRUE(results->isVisible());
  }
}

TEST_F(RunTest, ListUsesTheTurkishDecimalCommaWhileTheFileKeepsThePoint) {
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  type("0.3", "5", "50", "1");
  ASSERT_EQ(pressHesapla().size(), 1u);
  EXPECT_TRUE(listRows().at(1).contains(',')) << listRows().at(1).toStdString();
  ExpectListShowsFile(listRows(), resultsBytes(), ',');
}

// A fault stops the run with its own box: no completion box and no results
// window; the program stays and the next run works.
struct FaultCase {
  const char* name;
  QString emission;
  bool fileIsADirectory;
  std::string_view reportNames;  // what the report must mention
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FaultTest : public WindowTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, ReportsTheFaultAndTheNextRunWorks) {
  const FaultCase& c = GetParam();
  if (c.fileIsADirectory) {
    ASSERT_TRUE(QDir().mkdir("yelduman.txt"));
  }
  type("2", "5", "50", c.emission);
  const auto boxes = pressHesapla();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "HATA");
  EXPECT_TRUE(boxes[0].text.contains(QString::fromUtf8(c.reportNames))) << boxes[0];
  ExpectBox(boxes[0], boxes[0].title, boxes[0].text);
  EXPECT_TRUE(form3() == nullptr || !form3()->isVisible());

  if (c.fileIsADirectory) {
    ASSERT_TRUE(QDir().rmdir("yelduman.txt"));
  }
  form1().Em->setText("1");
  const auto next = pressHesapla();
  ASSERT_EQ(next.size(), 1u);
  ExpectBox(next[0], "IS TAMAM", kCompletionText);
  EXPECT_EQ(listRows().size(), 115);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultTest,
    ::testing::Values(FaultCase{"ResultsFileIsADirectory", "1", true, "yelduman.txt"},
                      FaultCase{"EmissionOverflows", "1e36", false,
                                calc::FaultName(calc::ArithmeticFault::Overflow)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui_testing
