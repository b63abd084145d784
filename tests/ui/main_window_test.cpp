// The main window before and between runs: start state, keyboard, refusals.
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

using MainWindowTest = WindowTest;

QString FocusName() { return QApplication::focusWidget()->objectName(); }

TEST_F(MainWindowTest, StartsAloneWithClassAUrbanEmptyBoxesAndFocusInTheDistance) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    EXPECT_EQ(w->isVisible(), w == &form1()) << w->objectName().toStdString();
  }
  EXPECT_EQ(form1().windowTitle(), "Yelduman");
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::A);
  EXPECT_EQ(form1().areaType(), calc::AreaType::Urban);
  EXPECT_FALSE(form1().kir->isChecked());
  EXPECT_EQ(FocusName(), "Mesafe");
  EXPECT_EQ(form3(), nullptr);
  EXPECT_FALSE(QFile::exists(resultsPath()));

  // Each box is empty, named by its label, takes text of any length, and
  // Enter or Escape in it starts nothing.
  const std::pair<QLineEdit*, QLabel*> boxes[] = {{form1().Mesafe, form1().Label2},
                                                  {form1().Rzg, form1().Label3},
                                                  {form1().Bc, form1().Label4},
                                                  {form1().Em, form1().Label6}};
  const QString longText(100000, QLatin1Char('7'));
  for (const auto& [box, label] : boxes) {
    SCOPED_TRACE(box->objectName().toStdString());
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), label->text());
    box->setText(longText);
    EXPECT_EQ(box->text().size(), longText.size());
    box->setFocus();
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(box, key);
  }
  EXPECT_FALSE(QFile::exists(resultsPath()));
}

TEST_F(MainWindowTest, TabFollowsTheDesignedOrderAndArrowsMoveTheSelection) {
  const QStringList expected = {"hesap", "bitir", "tablo", "atma",   "Rzg",
                                "Bc",    "Em",    "kent",  "KAYNAK", "Mesafe"};
  QStringList visited;
  for (int i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << FocusName();
  }
  EXPECT_EQ(visited, expected);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(FocusName(), "KAYNAK");

  // Arrows move the selection within a group and leave the other alone.
  form1().atma->setFocus();
  QTest::keyClick(form1().atma, Qt::Key_Down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::D);
  EXPECT_EQ(form1().areaType(), calc::AreaType::Urban);
  form1().kent->setFocus();
  QTest::keyClick(form1().kent, Qt::Key_Up);
  EXPECT_EQ(form1().areaType(), calc::AreaType::Rural);
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::D);

  // A group is one stop, on its selected button.
  form1().tablo->setFocus();
  QTest::keyClick(form1().tablo, Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "atmd");
  QTest::keyClick(form1().atmd, Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "Rzg");
}

struct RefusalCase {
  const char* name;
  QString mesafe, rzg, bc, em;
  const char* message;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class RefusalTest : public WindowTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, ShowsTheFieldsMessageAndKeepsTextsSelectionsAndFocus) {
  const RefusalCase& c = GetParam();
  type(c.mesafe, c.rzg, c.bc, c.em);
  form1().Bc->setFocus();
  form1().atmc->setChecked(true);

  const auto boxes = pressHesapla();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], "HATA", QString::fromUtf8(c.message));

  EXPECT_EQ(form1().focusWidget(), form1().Bc);
  const QStringList texts = {form1().Mesafe->text(), form1().Rzg->text(), form1().Bc->text(),
                             form1().Em->text()};
  EXPECT_EQ(texts, QStringList({c.mesafe, c.rzg, c.bc, c.em}));
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::C);
  EXPECT_EQ(form1().areaType(), calc::AreaType::Urban);

  // The run got as far as the header; the results window stays hidden.
  EXPECT_EQ(resultsBytes(), QByteArray("\"X\",\"Y\",\"Disp\"\r\n"));
  EXPECT_EQ(listRows(), QStringList{"X\tY\tDisp"});
  EXPECT_FALSE(form3()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    EachField, RefusalTest,
    ::testing::Values(
        RefusalCase{"AllEmpty", "", "", "", "", "Max. Uzaklik Degerine DIKKAT!!!"},
        RefusalCase{"DistanceOver20", "20.0001", "5", "50", "1", "Max. Uzaklik Degerine DIKKAT!!!"},
        RefusalCase{"DistanceAndWindBad", "abc", "", "50", "1", "Max. Uzaklik Degerine DIKKAT!!!"},
        RefusalCase{"WindEmpty", "20", "", "50", "1", "Rüzgar Degerine DIKKAT!!!"},
        RefusalCase{"StackZero", "20", "5", "0", "1", "Baca Yükseklik Degerine DIKKAT!!!"},
        RefusalCase{"EmissionLetters", "20", "5", "50", "abc", "Emisyon Çikis Degerine DIKKAT!!!"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui_testing
