// The main window before and between runs: start state, keyboard, refusals.
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/window_test.h"

namespace ui_testing {
namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, StartsAloneWithClassAUrbanEmptyBoxesAndFocusInTheDistance) {
  QWidgetList visible;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible()) visible << w;
  }
  ASSERT_EQ(visible.size(), 1);
  EXPECT_EQ(visible.front(), &form1());
  EXPECT_EQ(form1().windowTitle(), "Yelduman");
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::A);
  EXPECT_EQ(form1().areaType(), calc::AreaType::Urban);
  EXPECT_TRUE(form1().atma->isChecked());
  EXPECT_TRUE(form1().kent->isChecked());
  EXPECT_FALSE(form1().kir->isChecked());
  for (const QLineEdit* box : {form1().Mesafe, form1().Rzg, form1().Bc, form1().Em}) {
    EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
  }
  EXPECT_EQ(QApplication::focusWidget(), form1().Mesafe);
  EXPECT_EQ(form3(), nullptr);
  EXPECT_FALSE(QFile::exists(resultsPath()));
}

TEST_F(MainWindowTest, BoxesAreNamedByTheirLabelsAndTakeTextOfAnyLength) {
  const std::pair<QLineEdit*, QLabel*> boxes[] = {{form1().Mesafe, form1().Label2},
                                                  {form1().Rzg, form1().Label3},
                                                  {form1().Bc, form1().Label4},
                                                  {form1().Em, form1().Label6}};
  const QString longText(100000, QLatin1Char('7'));
  for (const auto& [box, label] : boxes) {
    SCOPED_TRACE(box->objectName().toStdString());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), label->text());
    box->setText(longText);
    EXPECT_EQ(box->text().size(), longText.size());
  }
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTheDesignedOrderWithEachGroupOneStop) {
  const QStringList expected = {"hesap", "bitir", "tablo", "atma", "Rzg",   "Bc",
                                "Em",    "kent",  "KAYNAK", "Mesafe"};
  QStringList visited;
  for (int i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, expected);

  // Backwards as well, from the distance box to the button before it.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), form1().KAYNAK);
}

TEST_F(MainWindowTest, ArrowsMoveTheSelectionAndTabLandsOnTheSelectedButton) {
  form1().atma->setFocus();
  QTest::keyClick(form1().atma, Qt::Key_Down);
  EXPECT_TRUE(form1().atmb->isChecked());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_TRUE(form1().atmd->isChecked());
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::D);
  EXPECT_EQ(form1().areaType(), calc::AreaType::Urban);  // the other group is untouched

  form1().kent->setFocus();
  QTest::keyClick(form1().kent, Qt::Key_Up);
  EXPECT_TRUE(form1().kir->isChecked());
  EXPECT_FALSE(form1().kent->isChecked());
  EXPECT_EQ(form1().areaType(), calc::AreaType::Rural);
  EXPECT_EQ(form1().stabilityClass(), calc::StabilityClass::D);

  // Into the class group from tablo: on D, the selected one.
  form1().tablo->setFocus();
  QTest::keyClick(form1().tablo, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form1().atmd);
  QTest::keyClick(form1().atmd, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form1().Rzg);
}

TEST_F(MainWindowTest, EnterAndEscapeInABoxStartNothing) {
  for (QLineEdit* box : {form1().Mesafe, form1().Rzg, form1().Bc, form1().Em}) {
    box->setFocus();
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      QTest::keyClick(box, key);
    }
  }
  EXPECT_TRUE(form1().isVisible());
  EXPECT_FALSE(QFile::exists(resultsPath()));  // no run was started
}

struct RefusalCase {
  const char* name;
  QString mesafe, rzg, bc, em;
  const char* message;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }


class RefusalTest : public WindowTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, ShowsTheFieldsMessageAndKeepsTextsAndFocus) {
  const RefusalCase& c = GetParam();
  type(c.mesafe, c.rzg, c.bc, c.em);
  form1().Bc->setFocus();
  form1().atmc->setChecked(true);

  pressHesapla();

  const auto boxes = takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], RefusalBox(c.message));
  EXPECT_FALSE(boxes[0].resultsWindowVisible);

  EXPECT_EQ(form1().focusWidget(), form1().Bc);
  EXPECT_EQ(form1().Mesafe->text(), c.mesafe);
  EXPECT_EQ(form1().Rzg->text(), c.rzg);
  EXPECT_EQ(form1().Bc->text(), c.bc);
  EXPECT_EQ(form1().Em->text(), c.em);
  EXPECT_TRUE(form1().atmc->isChecked());
  EXPECT_TRUE(form1().kent->isChecked());

  // The run got as far as the header; the results window stays hidden.
  EXPECT_EQ(resultsBytes(), QByteArray("\"X\",\"Y\",\"Disp\"\r\n"));
  EXPECT_EQ(listRows(), QStringList{"X\tY\tDisp"});
  ASSERT_NE(form3(), nullptr);
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
