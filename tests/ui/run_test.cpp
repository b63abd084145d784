// HESAPLA end to end through the windows: the file, the list, the boxes and
// the results window.
#include <cstdio>
#include <functional>
#include <vector>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Every descriptor the process holds that points at the results file.
int OpenResultsFiles() {
  int open = 0;
  for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files)) {
    const QString target = fd.symLinkTarget();
    if (target.endsWith("/yelduman.txt") || target == "/dev/full") ++open;
  }
  return open;
}

// One program session meets every fault in turn. Each stops its run with a
// box that names it, no completion box, no results window and the file
// closed; the inputs stay as typed, and once the cause is gone the next run
// works without a restart.
struct FaultCase {
  const char* name;
  QString emission;
  std::function<bool()> arrange;  // false: the fault cannot be staged here
  std::function<void()> clear;
  std::string_view reportNames;   // what the report must mention
};

TEST_F(WindowTest, FaultsOneAfterAnotherInOneSession) {
  const QString dir = QDir::currentPath();
  const std::vector<FaultCase> cases = {
      {"results file is a directory", "1", [] {
         QFile::remove("yelduman.txt");
         return QDir().mkdir("yelduman.txt");
       },
       
       [] { QDir().rmdir("yelduman.txt"); }, "yelduman.txt"},
      {"disk full", "1", [] {
         QFile::remove("yelduman.txt");  // the last run's results
         return ::symlink("/dev/full", "yelduman.txt") == 0;
       },
       [] { QFile::remove("yelduman.txt"); }, "yelduman.txt"},
      {"overflow", "1e36", [] { return true; }, [] {},
       calc::FaultName(calc::ArithmeticFault::Overflow)},
      // Root writes into any directory; the unprivileged run of this test
      // meets this case for real.
      {"read-only directory", "1",
       [dir] {
         // An existing file could still be rewritten: only creating one fails.
         QFile::remove("yelduman.txt");
         QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
         return !QFileInfo(dir).isWritable() && ::access(dir.toLocal8Bit(), W_OK) != 0;
       },
       [dir] { QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); },
       "yelduman.txt"},
  };
  form1().kir->setChecked(true);
  form1().atmb->setChecked(true);
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    type("2", "5", "50", c.emission);
    if (!c.arrange()) {
      c.clear();
      std::printf("[ NOTE     ] %s: cannot be staged for this user, passed over\n", c.name);
      continue;
    }
    const auto boxes = pressHesapla();
    c.clear();
    ASSERT_EQ(boxes.size(), 1u) << (boxes.empty() ? SeenBox{} : boxes[0]);
    ExpectBox(boxes[0], "HATA", boxes[0].text);
    EXPECT_TRUE(boxes[0].text.contains(QString::fromUtf8(c.reportNames))) << boxes[0];
    EXPECT_TRUE(form3() == nullptr || !form3()->isVisible());
    EXPECT_EQ(OpenResultsFiles(), 0);
    EXPECT_EQ(form1().inputTexts().em, c.emission.toStdString());
    EXPECT_EQ(form1().areaType(), calc::AreaType::Rural);
    EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::B);

    form1().Em->setText("1");
    const auto next = pressHesapla();
    ASSERT_EQ(next.size(), 1u);
    ExpectBox(next[0], "IS TAMAM", kCompletionText);
    EXPECT_EQ(listRows().size(), 115);
    form3()->kapat->click();
  }
}

// Whatever is typed or pasted is refused or read by the rule: a megabyte of
// text, NUL and control characters, lone surrogates, direction marks.
TEST_F(WindowTest, StrangeTextsAreReadByTheRule) {
  struct Case {
    const char* name;
    QString mesafe, rzg, bc, em;
    QString expectedText;  // the one box of the run
  };
  const QString megabyteOfNines(1 << 20, '9');
  const QString megabyteOfBlanks(1 << 20, ' ');
  const QString refusedWind = QString::fromUtf8("Rüzgar Degerine DIKKAT!!!");
  const QString refusedStack = QString::fromUtf8("Baca Yükseklik Degerine DIKKAT!!!");
  const QString refusedEmission = QString::fromUtf8("Emisyon Çikis Degerine DIKKAT!!!");
  const std::vector<Case> cases = {
      {"megabyte number", megabyteOfNines, "5", "50", "1", "Max. Uzaklik Degerine DIKKAT!!!"},
      {"megabyte of blanks around a number", megabyteOfBlanks + "0." + megabyteOfBlanks + "2", "5",
       "50", "1", kCompletionText},
      {"megabyte exponent", "1", "5", "50", "1e" + megabyteOfNines, refusedEmission},
      {"NUL ends the number", "1", QString("5") + QChar(0) + "0", "50", "1", kCompletionText},
      {"control character", "1", "5", QString(QChar(1)) + "50", "1", refusedStack},
      {"lone surrogate", "1", QString(QChar(0xD800)) + "5", "50", "1", refusedWind},
      {"right-to-left mark", "1", "5", QString(QChar(0x200F)) + "50", "1", refusedStack},
      {"no-break space", "1", "5", "50", QString(QChar(0xA0)) + "1", refusedEmission},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    type(c.mesafe, c.rzg, c.bc, c.em);
    const auto boxes = pressHesapla();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.expectedText);
    EXPECT_EQ(form1().Mesafe->text().size(), c.mesafe.size());
    if (form3() != nullptr) form3()->kapat->click();
  }
}

}  // namespace
}  // namespace ui_testing
